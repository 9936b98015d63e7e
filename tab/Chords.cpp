#include "Chords.h"

#include <algorithm>

namespace tab {

namespace {

constexpr std::array<ChordShape, 35> kChords{{
    {"A", {'0', '2', '2', '2', '0', '-'}},    {"H", {'2', '4', '4', '4', '2', '-'}},
    {"C", {'0', '1', '0', '2', '3', '-'}},    {"D", {'2', '3', '2', '0', '-', '-'}},
    {"E", {'0', '0', '1', '2', '2', '0'}},    {"F", {'1', '1', '2', '3', '3', '1'}},
    {"G", {'3', '3', '0', '0', '2', '3'}},    {"A7", {'3', '2', '2', '2', '0', '-'}},
    {"H7", {'2', '4', '2', '4', '2', '2'}},   {"C7", {'0', '1', '3', '2', '3', '-'}},
    {"D7", {'2', '1', '2', '0', '-', '-'}},   {"E7", {'0', '3', '1', '2', '2', '0'}},
    {"F7", {'1', '1', '2', '1', '3', '1'}},   {"G7", {'1', '0', '0', '0', '2', '3'}},
    {"Am", {'0', '1', '2', '2', '0', '-'}},   {"Hm", {'2', '3', '4', '4', '2', '2'}},
    {"Cm", {'3', '4', '5', '5', '3', '3'}},   {"Dm", {'1', '3', '2', '0', '-', '-'}},
    {"Em", {'0', '0', '0', '2', '2', '0'}},   {"Fm", {'1', '1', '1', '3', '3', '1'}},
    {"Gm", {'3', '3', '3', '5', '5', '3'}},   {"A+", {'1', '2', '2', '3', '0', '-'}},
    {"H+", {'3', '4', '4', '5', '-', '-'}},   {"C+", {'0', '2', '2', '3', '4', '-'}},
    {"D+", {'2', '3', '3', '4', '-', '-'}},   {"E+", {'0', '1', '1', '2', '3', '0'}},
    {"F+", {'1', '2', '2', '1', '0', '-'}},   {"G+", {'3', '4', '4', '5', '-', '-'}},
    {"Adim", {'2', '1', '2', '1', '0', '-'}}, {"Hdim", {'1', '3', '1', '3', '2', '1'}},
    {"Cdim", {'2', '1', '2', '1', '0', '-'}}, {"Ddim", {'1', '0', '1', '0', '-', '-'}, true},
    {"Edim", {'0', '2', '0', '2', '1', '0'}}, {"Fdim", {'1', '0', '1', '0', '-', '-'}},
    {"Gdim", {'0', '2', '0', '2', '1', '0'}},
}};

} // namespace

std::span<const ChordShape> chordTable() {
    return kChords;
}

std::array<std::string, 6> brokenChord(const ChordShape& chord) {
    const auto played = static_cast<std::size_t>(
        std::count_if(chord.frets.begin(), chord.frets.end(), [](char f) { return f != '-'; }));
    const std::size_t width = 2 * played - 1 + (chord.restAtTop ? 1 : 0);

    std::array<std::string, 6> texts;
    texts.fill(std::string(width, '-'));
    // Strings are counted from the bass up; string i (0 = e) is the j-th from the bass.
    for (std::size_t i = 0; i < played; ++i) {
        const std::size_t j = played - 1 - i;
        texts[i][j] = chord.frets[i];
        if (i > 0)
            texts[i][width - 1 - j] = chord.frets[i];
    }
    return texts;
}

void fillEntry(EntryColumn& entry, const ChordShape& chord, bool broken) {
    entry.field(Row::akordy).set(chord.name);
    if (broken) {
        const auto texts = brokenChord(chord);
        for (std::size_t i = 0; i < texts.size(); ++i)
            entry.field(kStringRows[i]).set(texts[i]);
    } else {
        for (std::size_t i = 0; i < chord.frets.size(); ++i)
            entry.field(kStringRows[i]).set(std::string_view(&chord.frets[i], 1));
    }
}

} // namespace tab
