#include "TextTabReader.h"

#include "ChordLine.h"
#include "TabBlocks.h"
#include "TextLines.h"

#include <algorithm>
#include <stdexcept>

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

// Tabs widen a text up to eightfold and a chord may stand far right of its strings, so a text
// could ask for rows many times its own size. No tab typed by hand has more columns than its
// text has characters; a text that would is refused before its rows are padded out.
std::size_t widestTabFor(std::string_view bytes) {
    constexpr std::size_t kAlwaysAllowed = 64 * 1024;
    return std::max(bytes.size(), kAlwaysAllowed);
}

// Appends the block's seven rows and brings them to one length again.
void appendBlock(TextTab& tab, const TabBlock& block, std::size_t widest) {
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
    if (length > widest)
        throw std::length_error("Tab v textu je příliš široký: měl by víc sloupců, než má text "
                                "znaků. Nenačte se.");
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
    const std::size_t widest = widestTabFor(bytes);
    for (; block; block = blocks.next())
        appendBlock(tab, *block, widest);
    return tab;
}

} // namespace io
