#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace io {

// Appends the chords of the line written above a block to the chord row, whose end is the
// block's first tab column. Every chord, a run of characters other than spaces and tabs, stands
// over the same tab column as in the line, where `firstColumn` is the line column over the
// first tab column. A chord left of the block moves right onto its first column, and a chord
// that would then touch or overlap the one before it moves right to one space after that one,
// so no chord is lost or merged into another.
void appendChords(std::string& row, std::string_view line, std::size_t firstColumn);

} // namespace io
