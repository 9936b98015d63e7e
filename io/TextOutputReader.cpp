#include "TextOutputReader.h"

#include "TextLines.h"
#include "TextOutput.h"

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
bool readBlock(LineReader& lines, TabDocument& doc) {
    std::array<std::string_view, kBlockLines> block;
    for (std::string_view& line : block)
        line = *lines.next();
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

std::size_t lineCount(std::string_view bytes) {
    std::size_t count = 0;
    for (LineReader lines(bytes); lines.next();)
        ++count;
    return count;
}

} // namespace

std::optional<TabDocument> readTextOutput(std::string_view bytes) {
    // Counted first, so that a foreign text of any length is turned down before it is read.
    const std::size_t count = lineCount(bytes);
    const std::size_t frame = kHeadLines + kTailLines;
    if (count < frame + kBlockLines || (count - frame) % kBlockLines != 0)
        return std::nullopt;

    LineReader lines(bytes);
    TabDocument doc;
    doc.title = *lines.next();
    doc.author = *lines.next();
    if (!lines.next()->empty())
        return std::nullopt;
    for (std::size_t k = 0; k < (count - frame) / kBlockLines; ++k)
        if (!readBlock(lines, doc))
            return std::nullopt;
    if (!lines.next()->empty())
        return std::nullopt;
    return doc;
}

} // namespace io
