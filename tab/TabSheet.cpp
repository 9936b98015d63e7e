#include "TabSheet.h"

#include <algorithm>
#include <limits>

namespace tab {

void TabSheet::write(Row row, std::size_t keep, std::string_view tail) {
    if (rows_[index(row)].write(keep, tail) && onChange_)
        onChange_(row);
}

void TabSheet::appendToRow(Row row, std::string_view text) {
    write(row, this->text(row).size(), text);
}

void TabSheet::dropLastChar(Row row) {
    const std::size_t size = text(row).size();
    if (size > 0)
        write(row, size - 1, {});
}

std::int32_t TabSheet::measureColumnEnd() {
    std::size_t longest = 0;
    for (Row row : kAlignedRows)
        longest = std::max(longest, text(row).size());
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    columnEnd_ = static_cast<std::int32_t>(std::min(longest, kMax - 1) + 1);
    return columnEnd_;
}

void TabSheet::padToColumnEnd(Row row, char filler) {
    const std::string_view one(&filler, 1);
    while (text(row).size() < static_cast<std::size_t>(std::max(columnEnd_, 0)))
        appendToRow(row, one);
}

void TabSheet::observe(TextObserver* observer, std::size_t first) {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i].observe(observer, first + i);
}

} // namespace tab
