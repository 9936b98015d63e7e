#pragma once

#include "EntryColumn.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tab {

// One chord button: its name and the fret of each string from e down to E ('-' not played).
// The played strings run from e downwards without a gap.
struct ChordShape {
    std::string_view name;
    std::array<char, 6> frets;
    // Broken, it rests one column on the e string before coming back down.
    bool restAtTop = false;
};

// The 35 chords in the order of the button grid: rows major, 7, m, +, dim; columns A H C D E F G.
std::span<const ChordShape> chordTable();

// The six fret texts of the chord played string by string: up from the bass to the e string and
// back down, one note per column.
std::array<std::string, 6> brokenChord(const ChordShape& chord);

// A chord button: replaces the whole entry column with the chord, broken or plain.
void fillEntry(EntryColumn& entry, const ChordShape& chord, bool broken);

} // namespace tab
