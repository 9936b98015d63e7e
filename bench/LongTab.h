#pragma once

#include "TabDocument.h"

#include <string>

// A tab of `columns` aligned columns: an "A" chord every four columns, lyrics under half of it.
inline io::TabDocument longTab(int columns) {
    io::TabDocument doc;
    doc.title = "Bench";
    doc.author = "Strunomat";
    const char* pattern[] = {"A   ", "0---", "2---", "2---", "2---", "0---", "----"};
    for (std::size_t r = 0; r < 7; ++r)
        for (int c = 0; c < columns; c += 4)
            doc.rows[r] += pattern[r];
    for (auto& row : doc.rows)
        row.resize(static_cast<std::size_t>(columns), '-');
    doc.rows[7] = std::string(static_cast<std::size_t>(columns / 2), 'l');
    return doc;
}
