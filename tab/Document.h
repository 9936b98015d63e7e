#pragma once

#include "EntryColumn.h"
#include "TabSheet.h"
#include "TextField.h"
#include "TextObserver.h"

#include <cstddef>
#include <string_view>

namespace tab {

// Everything a user edits: the header fields, the sheet and the entry column, and the name of
// the file they came from.
struct Document {
    TextField title;  // Edit1
    TextField author; // Edit4
    TabSheet sheet;
    EntryColumn entry;
    // The file the document was loaded from, as UTF-8 rather than Windows-1250: it is a name
    // on this computer, shown in the caption, and never written into a tab file.
    TextField source;
};

// Focus entry into a header field: a field still showing exactly its initial prompt is emptied.
void clearPlaceholder(TextField& field, std::string_view placeholder);

// The texts of a document are numbered 0 to kDocumentTexts - 1 for whoever follows them all.
inline constexpr std::size_t kDocumentTexts = 3 + kRowCount + EntryColumn::kFields.size();

const TextField& documentText(const Document& doc, std::size_t number);

// The number of `field`; throws if it is not a text of `doc`.
std::size_t documentTextNumber(const Document& doc, const TextField& field);

// Writes a text through its own write, so a row's change handler runs as for any edit.
void writeDocumentText(Document& doc, std::size_t number, std::size_t keep, std::string_view tail);

// Every change of every text of `doc` is told to `observer` (none if null) under its number.
void observeDocument(Document& doc, TextObserver* observer);

} // namespace tab
