#include "ColumnWriter.h"

namespace tab {

void writeColumn(TabSheet& sheet, EntryColumn& entry, bool clearAfterWrite) {
    for (Row row : kAlignedRows)
        sheet.appendToRow(row, entry.field(row).text());

    sheet.measureColumnEnd();
    for (Row row : kStringRows)
        sheet.padToColumnEnd(row, '-');
    // Palm muting alone runs on as a dashed line over the column. Decided from the mark as it
    // stands now, before any clearing below.
    const bool palmMuting = entry.field(Row::akordy).text() == kPalmMutingMark.alone;
    sheet.padToColumnEnd(Row::akordy, palmMuting ? '-' : ' ');

    if (clearAfterWrite)
        entry.clear();
}

} // namespace tab
