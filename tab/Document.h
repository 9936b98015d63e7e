#pragma once

#include "EntryColumn.h"
#include "TabSheet.h"
#include "TextField.h"

namespace tab {

// Everything a user edits: the header fields, the sheet and the entry column.
struct Document {
    TextField title;  // Edit1
    TextField author; // Edit4
    TabSheet sheet;
    EntryColumn entry;
};

// Focus entry into a header field: a field still showing exactly its initial prompt is emptied.
void clearPlaceholder(TextField& field, std::string_view placeholder);

} // namespace tab
