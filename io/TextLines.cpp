#include "TextLines.h"

#include <algorithm>

namespace io {

namespace {

constexpr std::size_t kTabStop = 8;

std::size_t tabWidthAt(std::size_t column) {
    return kTabStop - column % kTabStop;
}

} // namespace

std::optional<std::string_view> LineReader::next() {
    if (rest_.empty())
        return std::nullopt;
    const std::size_t end = rest_.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        const std::string_view last = rest_;
        rest_ = {};
        return last;
    }
    const std::string_view line = rest_.substr(0, end);
    const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
    rest_.remove_prefix(end + (crLf ? 2 : 1));
    return line;
}

std::size_t columnAfter(std::string_view text, std::size_t column) {
    for (const char c : text)
        column += c == '\t' ? tabWidthAt(column) : 1;
    return column;
}

// Copies the runs between tab characters whole: most lines hold none.
void appendExpanded(std::string& out, std::string_view text, std::size_t column) {
    for (;;) {
        const std::size_t tab = std::min(text.find('\t'), text.size());
        out.append(text.substr(0, tab));
        if (tab == text.size())
            return;
        column += tab;
        const std::size_t spaces = tabWidthAt(column);
        out.append(spaces, ' ');
        column += spaces;
        text.remove_prefix(tab + 1);
    }
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(kBlanks) == std::string_view::npos;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

} // namespace io
