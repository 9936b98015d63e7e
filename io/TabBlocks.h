#pragma once

#include "StringLine.h"
#include "TextLines.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Finding the blocks of a text tab: six consecutive string lines, high e first.
namespace io {

struct TabBlock {
    std::size_t firstLine; // counted from 0
    // The non-blank line directly above, unless it is the last string of the block before.
    std::optional<std::string_view> chordLine;
    std::array<std::string_view, kStringCount> strings;
};

// Reads the blocks top down; blocks never share a line. Keeps only the last seven lines, so a
// text of any length is read in one pass.
class TabBlockFinder {
public:
    explicit TabBlockFinder(std::string_view bytes) : lines_(bytes) {}

    // The next block, or nullopt when there is none further down.
    std::optional<TabBlock> next();

private:
    static constexpr std::size_t kWindow = kStringCount + 1;

    std::string_view lineAt(std::size_t number) const { return window_[number % kWindow]; }
    bool endsBlock(std::size_t lastLine) const;

    LineReader lines_;
    std::array<std::string_view, kWindow> window_{};
    std::size_t linesRead_ = 0;
    std::size_t afterPrevious_ = 0; // the first line after the last block found
};

} // namespace io
