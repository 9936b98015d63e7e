#include "PrintedBlock.h"

#include "Cp1250.h"
#include "TextOutput.h"

#include <algorithm>

namespace print {

std::size_t labelColumns() {
    std::size_t widest = 0;
    for (const std::string_view prefix : io::kRowPrefixes)
        widest = std::max(widest, prefix.size());
    return widest;
}

std::size_t blockColumns(const io::TabDocument& doc, std::size_t block, std::int32_t wrapWidth) {
    std::size_t longest = 0;
    for (const std::string& row : doc.rows)
        longest = std::max(longest, io::blockPiece(row, block, wrapWidth).size());
    return labelColumns() + longest;
}

std::array<QString, 8> blockLines(const io::TabDocument& doc, std::size_t block,
                                  std::int32_t wrapWidth) {
    const auto labels = static_cast<qsizetype>(labelColumns());
    std::array<QString, 8> lines;
    for (std::size_t r = 0; r < lines.size(); ++r)
        lines[r] = cp1250::decode(io::kRowPrefixes[r]).leftJustified(labels) +
                   cp1250::decode(io::blockPiece(doc.rows[r], block, wrapWidth));
    return lines;
}

} // namespace print
