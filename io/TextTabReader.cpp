#include "TextTabReader.h"

#include "ChordLine.h"
#include "TabBlocks.h"
#include "TextLines.h"

#include <algorithm>

namespace io {

namespace {

// The first non-blank line of the first `end` lines, trimmed, its inner tabs expanded.
std::string titleAmong(std::string_view bytes, std::size_t end) {
    LineReader lines(bytes);
    for (std::size_t n = 0; n < end; ++n) {
        const std::string_view line = *lines.next();
        if (isBlank(line))
            continue;
        const std::size_t start = line.find_first_not_of(kBlanks);
        std::string title;
        appendExpanded(title, withoutTrailingBlanks(line.substr(start)),
                       columnAfter(line.substr(0, start), 0));
        return title;
    }
    return {};
}

// Appends the block's seven rows and brings them to one length again.
void appendBlock(TextTab& tab, const TabBlock& block) {
    std::size_t firstColumn = 0;
    for (std::size_t s = 0; s < kStringCount; ++s) {
        const std::string_view line = block.strings[s];
        const std::size_t start = *stringContentStart(line, s);
        const std::size_t column = columnAfter(line.substr(0, start), 0);
        if (s == 0)
            firstColumn = column;
        appendExpanded(tab.aligned[s + 1], withoutTrailingBlanks(line.substr(start)), column);
    }
    if (block.chordLine)
        appendChords(tab.aligned[0], *block.chordLine, firstColumn);

    std::size_t length = 0;
    for (const std::string& row : tab.aligned)
        length = std::max(length, row.size());
    for (std::size_t r = 0; r < tab.aligned.size(); ++r)
        tab.aligned[r].resize(length, r == 0 ? ' ' : '-');
}

} // namespace

std::optional<TextTab> readTextTab(std::string_view bytes) {
    TabBlockFinder blocks(bytes);
    std::optional<TabBlock> block = blocks.next();
    if (!block)
        return std::nullopt;

    TextTab tab;
    tab.title = titleAmong(bytes, block->firstLine - (block->chordLine ? 1 : 0));
    for (; block; block = blocks.next())
        appendBlock(tab, *block);
    return tab;
}

} // namespace io
