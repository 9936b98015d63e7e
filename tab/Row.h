#pragma once

#include <array>
#include <cstddef>

namespace tab {

// The eight rows of the sheet, top to bottom as they stand on screen. The tab file and the
// text output keep this order, and entry field i is written to row i.
enum class Row { akordy, struna1, struna2, struna3, struna4, struna5, struna6, slova };

inline constexpr std::size_t kRowCount = 8;

inline constexpr std::array<Row, 6> kStringRows{Row::struna1, Row::struna2, Row::struna3,
                                                Row::struna4, Row::struna5, Row::struna6};

// The rows that keep their columns lined up; the lyrics row never takes part.
inline constexpr std::array<Row, 7> kAlignedRows{Row::akordy,  Row::struna1, Row::struna2,
                                                 Row::struna3, Row::struna4, Row::struna5,
                                                 Row::struna6};

constexpr std::size_t index(Row row) {
    return static_cast<std::size_t>(row);
}

} // namespace tab
