#include "TabBlocks.h"

namespace io {

bool TabBlockFinder::endsBlock(std::size_t lastLine) const {
    const std::size_t first = lastLine + 1 - kStringCount;
    for (std::size_t s = 0; s < kStringCount; ++s)
        if (!stringContentStart(lineAt(first + s), s))
            return false;
    return true;
}

std::optional<TabBlock> TabBlockFinder::next() {
    while (const std::optional<std::string_view> line = lines_.next()) {
        const std::size_t number = linesRead_++;
        window_[number % kWindow] = *line;
        if (number + 1 < afterPrevious_ + kStringCount || !endsBlock(number))
            continue;

        TabBlock block{number + 1 - kStringCount, std::nullopt, {}};
        for (std::size_t s = 0; s < kStringCount; ++s)
            block.strings[s] = lineAt(block.firstLine + s);
        if (block.firstLine > afterPrevious_ && !isBlank(lineAt(block.firstLine - 1)))
            block.chordLine = lineAt(block.firstLine - 1);
        afterPrevious_ = number + 1;
        return block;
    }
    return std::nullopt;
}

} // namespace io
