#pragma once

#include <array>
#include <string>

namespace io {

// The ten texts a tab file stores, as Windows-1250 bytes: the title, the eight rows in sheet
// order (chords, strings e to E, lyrics) and the author.
struct TabDocument {
    std::string title;
    std::array<std::string, 8> rows;
    std::string author;

    bool operator==(const TabDocument&) const = default;
};

} // namespace io
