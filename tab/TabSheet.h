#pragma once

#include "Row.h"
#include "TextField.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tab {

// The eight rows of the tablature. Every change of a row goes through write(), which runs the
// change handler synchronously, once per write that changes the text; the view hangs its
// widening and status counts on that.
class TabSheet {
public:
    using ChangeHandler = std::function<void(Row)>;

    void setChangeHandler(ChangeHandler handler) { onChange_ = std::move(handler); }

    const TextField& field(Row row) const { return rows_[index(row)]; }
    const std::string& text(Row row) const { return field(row).text(); }

    // The one write: keeps the first `keep` bytes of the row, then appends `tail`.
    void write(Row row, std::size_t keep, std::string_view tail);

    void setText(Row row, std::string_view text) { write(row, 0, text); }
    void clear(Row row) { write(row, 0, {}); }
    void appendToRow(Row row, std::string_view text);
    void dropLastChar(Row row);

    // Longest aligned row plus one; the lyrics row does not count. Held at the largest
    // 32-bit value rather than overflowing.
    std::int32_t measureColumnEnd();
    std::int32_t columnEnd() const { return columnEnd_; }

    // Appends the filler one byte per write until the row is columnEnd() long; never shortens.
    void padToColumnEnd(Row row, char filler);

    // Every change of a row is told to `observer`, row i under the number `first` + i.
    void observe(TextObserver* observer, std::size_t first);

private:
    std::array<TextField, kRowCount> rows_;
    std::int32_t columnEnd_ = 0;
    ChangeHandler onChange_;
};

} // namespace tab
