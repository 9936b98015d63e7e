#include "TextImport.h"

#include "TextLines.h"
#include "TextOutputReader.h"
#include "TextTabReader.h"

#include <algorithm>

namespace io {

namespace {

constexpr std::size_t kRecordLines = 9;

// Nine line breaks, each after a ";", as every tab file the program writes starts.
bool startsWithRecords(std::string_view bytes, const std::vector<std::string_view>& lines) {
    const bool ninthLineEnds =
        lines.size() > kRecordLines ||
        (lines.size() == kRecordLines && (bytes.ends_with('\n') || bytes.ends_with('\r')));
    return ninthLineEnds && std::all_of(lines.begin(), lines.begin() + kRecordLines,
                                        [](std::string_view line) { return line.ends_with(';'); });
}

} // namespace

std::optional<TabDocument> importText(std::string_view bytes) {
    if (std::optional<TabDocument> ours = readTextOutput(bytes))
        return ours;
    std::optional<TextTab> tab = readTextTab(bytes);
    if (!tab)
        return std::nullopt;
    TabDocument doc;
    doc.title = std::move(tab->title);
    std::move(tab->aligned.begin(), tab->aligned.end(), doc.rows.begin());
    return doc;
}

bool isTextTabFile(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    return !startsWithRecords(bytes, lines) && !findBlocks(lines).empty();
}

} // namespace io
