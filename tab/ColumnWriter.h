#pragma once

#include "EntryColumn.h"
#include "Marks.h"
#include "TabSheet.h"

namespace tab {

// "Zapiš": appends the entry column to the rows as one new column, then pads the aligned rows
// to one length. With `clearAfterWrite` the entry column is emptied afterwards.
void writeColumn(TabSheet& sheet, EntryColumn& entry, bool clearAfterWrite);

} // namespace tab
