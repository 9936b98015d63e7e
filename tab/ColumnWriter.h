#pragma once

#include "EntryColumn.h"
#include "TabSheet.h"

#include <string_view>

namespace tab {

// The palm-muting mark; a column carrying exactly this mark is underlined with dashes.
inline constexpr std::string_view kPalmMuting = "P.M.--";

// "Zapiš": appends the entry column to the rows as one new column, then pads the aligned rows
// to one length. With `clearAfterWrite` the entry column is emptied afterwards.
void writeColumn(TabSheet& sheet, EntryColumn& entry, bool clearAfterWrite);

} // namespace tab
