#include "TextLines.h"

namespace io {

namespace {

constexpr std::size_t kTabStop = 8;

} // namespace

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", from);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(from));
            break;
        }
        lines.push_back(bytes.substr(from, end - from));
        const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        from = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::string expandTabs(std::string_view line) {
    std::string expanded;
    expanded.reserve(line.size());
    for (const char c : line) {
        if (c == '\t')
            expanded.append(kTabStop - expanded.size() % kTabStop, ' ');
        else
            expanded += c;
    }
    return expanded;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace io
