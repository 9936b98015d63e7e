#include "ChordLine.h"

#include <algorithm>

namespace io {

std::string placeChords(std::string_view line, std::size_t firstColumn) {
    std::string row;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        const std::size_t wanted = at < firstColumn ? 0 : at - firstColumn;
        row.resize(row.empty() ? wanted : std::max(wanted, row.size() + 1), ' ');
        row += line.substr(at, end - at);
        at = end;
    }
    return row;
}

} // namespace io
