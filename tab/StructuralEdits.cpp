#include "StructuralEdits.h"

namespace tab {

namespace {

void appendToStrings(TabSheet& sheet, std::string_view text) {
    for (Row row : kStringRows)
        sheet.appendToRow(row, text);
}

} // namespace

void barLine(TabSheet& sheet) {
    appendToStrings(sheet, "|");
}

void emptyColumn(TabSheet& sheet) {
    appendToStrings(sheet, "-");
}

void backspace(TabSheet& sheet) {
    for (Row row : kAlignedRows)
        sheet.dropLastChar(row);
}

void clearDocument(Document& doc) {
    doc.sheet.clear(Row::slova);
    doc.title.set({});
    doc.author.set({});
    doc.entry.clear();
    for (Row row : kAlignedRows)
        doc.sheet.clear(row);
}

void completeTab(TabSheet& sheet) {
    sheet.measureColumnEnd();
    sheet.padToColumnEnd(Row::akordy, ' ');
    for (Row row : kStringRows)
        sheet.padToColumnEnd(row, '-');
}

void appendRiff(TabSheet& sheet, const std::array<std::string, 7>& aligned) {
    completeTab(sheet);
    for (std::size_t i = 0; i < kAlignedRows.size(); ++i)
        sheet.appendToRow(kAlignedRows[i], aligned[i]);
}

} // namespace tab
