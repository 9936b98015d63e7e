#pragma once

#include "Row.h"
#include "TextField.h"

#include <array>

namespace tab {

// The column being prepared before "Zapiš": the mark field and one fret field per string.
// Field i is written to row i of the sheet, so the fields are named by the row they feed.
class EntryColumn {
public:
    static constexpr std::array<Row, 7> kFields = kAlignedRows;

    TextField& field(Row row) { return fields_[index(row)]; }
    const TextField& field(Row row) const { return fields_[index(row)]; }

    // Empties the mark field, then the fret fields from the high e string down.
    void clear();

private:
    std::array<TextField, kFields.size()> fields_;
};

} // namespace tab
