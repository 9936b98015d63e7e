#pragma once

#include "Document.h"
#include "TabSheet.h"

#include <array>
#include <string>

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

// A riff taken from elsewhere: its chord row and six strings, all of one length, go after the
// end of the tab, which is first completed so the riff's columns line up with the tab's.
void appendRiff(TabSheet& sheet, const std::array<std::string, 7>& aligned);

} // namespace tab
