#pragma once

#include "Document.h"
#include "TabSheet.h"

namespace tab {

// Appends one character to each string row; the chord row stays as it is until the next column.
void barLine(TabSheet& sheet);     // "|"
void emptyColumn(TabSheet& sheet); // "-"

// Removes the last character of each aligned row; empty rows stay empty.
void backspace(TabSheet& sheet);

// Empties the lyrics, the header, the entry column and the aligned rows, in that order.
void clearDocument(Document& doc);

// "Doplnění tabulatury": pads the aligned rows to one length, one longer than the longest,
// with spaces on the chord row and dashes on the strings.
void completeTab(TabSheet& sheet);

} // namespace tab
