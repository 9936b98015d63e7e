#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace io {

// The chord row of a block from the line written above it (tabs already expanded): every chord,
// a run of non-space characters, stands over the same column of the tab as in the line, where
// `firstColumn` is the line column over the first tab column. A chord left of the tab moves
// right onto its first column, and a chord that would then touch or overlap the one before it
// moves right to one space after that one, so no chord is lost or merged into another.
std::string placeChords(std::string_view line, std::size_t firstColumn);

} // namespace io
