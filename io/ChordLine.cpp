#include "ChordLine.h"

#include "TextLines.h"

#include <algorithm>

namespace io {

void appendChords(std::string& row, std::string_view line, std::size_t firstColumn) {
    const std::size_t blockStart = row.size();
    std::size_t column = 0;
    while (!line.empty()) {
        const std::size_t gap = std::min(line.find_first_not_of(kBlanks), line.size());
        column = columnAfter(line.substr(0, gap), column);
        line.remove_prefix(gap);
        if (line.empty())
            return;

        const std::size_t length = std::min(line.find_first_of(kBlanks), line.size());
        const std::size_t wanted = blockStart + (column < firstColumn ? 0 : column - firstColumn);
        const bool first = row.size() == blockStart;
        row.resize(first ? wanted : std::max(wanted, row.size() + 1), ' ');
        row.append(line.substr(0, length));
        column += length;
        line.remove_prefix(length);
    }
}

} // namespace io
