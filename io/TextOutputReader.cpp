#include "TextOutputReader.h"

#include "TextLines.h"
#include "TextOutput.h"

#include <span>

namespace io {

namespace {

// Title, author and an empty line above the blocks; an empty line and three footer lines below.
constexpr std::size_t kHeadLines = 3;
constexpr std::size_t kTailLines = 4;
// The chord piece, an empty line, the six strings, the lyrics piece and an empty line.
constexpr std::size_t kBlockLines = 10;

// The line of each row within a block, in sheet order.
constexpr std::array<std::size_t, 8> kRowLines{0, 2, 3, 4, 5, 6, 7, 8};

// Appends the block's pieces to the rows; false when the block is not laid out as ours.
bool readBlock(std::span<const std::string_view> block, TabDocument& doc) {
    if (!block[1].empty() || !block[9].empty())
        return false;
    for (std::size_t r = 0; r < doc.rows.size(); ++r) {
        const std::string_view line = block[kRowLines[r]];
        if (!line.starts_with(kRowPrefixes[r]))
            return false;
        doc.rows[r] += line.substr(kRowPrefixes[r].size());
    }
    return true;
}

} // namespace

std::optional<TabDocument> readTextOutput(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    const std::size_t frame = kHeadLines + kTailLines;
    if (lines.size() < frame + kBlockLines || (lines.size() - frame) % kBlockLines != 0)
        return std::nullopt;
    if (!lines[kHeadLines - 1].empty() || !lines[lines.size() - kTailLines].empty())
        return std::nullopt;

    TabDocument doc;
    doc.title = lines[0];
    doc.author = lines[1];
    const std::span<const std::string_view> blocks(lines.data() + kHeadLines, lines.size() - frame);
    for (std::size_t at = 0; at < blocks.size(); at += kBlockLines)
        if (!readBlock(blocks.subspan(at, kBlockLines), doc))
            return std::nullopt;
    return doc;
}

} // namespace io
