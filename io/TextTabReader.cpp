#include "TextTabReader.h"

#include "ChordLine.h"
#include "StringLine.h"
#include "TextLines.h"

#include <algorithm>
#include <span>

namespace io {

namespace {

bool isBlockAt(const std::vector<std::string_view>& lines, std::size_t first) {
    for (std::size_t s = 0; s < kStringCount; ++s)
        if (!stringContentStart(lines[first + s], s))
            return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos)
        return {};
    return text.substr(from, text.find_last_not_of(' ') + 1 - from);
}

std::string_view withoutTrailingSpaces(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The line directly above a block holds its chords unless it is blank or the last string of
// the block before.
bool hasChordLine(const std::vector<std::string_view>& lines, std::size_t first,
                  std::size_t afterPrevious) {
    return first > afterPrevious && !isBlank(lines[first - 1]);
}

std::string titleAbove(const std::vector<std::string_view>& lines, std::size_t end) {
    const auto last = lines.begin() + static_cast<std::ptrdiff_t>(end);
    const auto title = std::find_if_not(lines.begin(), last, isBlank);
    if (title == last)
        return {};
    const std::string line = expandTabs(*title);
    return std::string(trimmed(line));
}

// The block's seven rows, brought to one length, appended to the tab's.
void appendBlock(TextTab& tab, std::optional<std::string_view> chordLine,
                 std::span<const std::string_view> stringLines) {
    std::array<std::string, 7> rows;
    std::size_t firstColumn = 0;
    for (std::size_t s = 0; s < kStringCount; ++s) {
        const std::string line = expandTabs(stringLines[s]);
        const std::size_t start = *stringContentStart(line, s);
        if (s == 0)
            firstColumn = start;
        rows[s + 1] = withoutTrailingSpaces(std::string_view(line).substr(start));
    }
    if (chordLine)
        rows[0] = placeChords(expandTabs(*chordLine), firstColumn);

    std::size_t length = 0;
    for (const std::string& row : rows)
        length = std::max(length, row.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows[r].resize(length, r == 0 ? ' ' : '-');
        tab.aligned[r] += rows[r];
    }
}

} // namespace

std::vector<std::size_t> findBlocks(const std::vector<std::string_view>& lines) {
    std::vector<std::size_t> blocks;
    for (std::size_t at = 0; at + kStringCount <= lines.size();) {
        if (isBlockAt(lines, at)) {
            blocks.push_back(at);
            at += kStringCount;
        } else {
            ++at;
        }
    }
    return blocks;
}

std::optional<TextTab> readTextTab(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    const std::vector<std::size_t> blocks = findBlocks(lines);
    if (blocks.empty())
        return std::nullopt;

    TextTab tab;
    const std::size_t first = blocks.front();
    tab.title = titleAbove(lines, hasChordLine(lines, first, 0) ? first - 1 : first);
    std::size_t afterPrevious = 0;
    for (const std::size_t block : blocks) {
        appendBlock(tab,
                    hasChordLine(lines, block, afterPrevious) ? std::optional(lines[block - 1])
                                                              : std::nullopt,
                    std::span(lines).subspan(block, kStringCount));
        afterPrevious = block + kStringCount;
    }
    return tab;
}

} // namespace io
