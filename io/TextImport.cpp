#include "TextImport.h"

#include "TabBlocks.h"
#include "TextLines.h"
#include "TextOutputReader.h"
#include "TextTabReader.h"

#include <algorithm>
#include <utility>

namespace io {

namespace {

constexpr std::size_t kRecordLines = 9;

// Nine line breaks, each after a ";", as every tab file the program writes starts.
bool startsWithRecords(std::string_view bytes) {
    LineReader lines(bytes);
    for (std::size_t n = 0; n < kRecordLines; ++n) {
        const std::optional<std::string_view> line = lines.next();
        if (!line || !line->ends_with(';'))
            return false;
    }
    // The ninth line ended in a break if another line follows or the bytes end in one.
    return lines.next() || bytes.ends_with('\n') || bytes.ends_with('\r');
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
    return !startsWithRecords(bytes) && TabBlockFinder(bytes).next().has_value();
}

} // namespace io
