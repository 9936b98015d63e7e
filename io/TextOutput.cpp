#include "TextOutput.h"

#include "BuildConfig.h"

#include <algorithm>
#include <string_view>

namespace io {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::size_t widthOf(std::int32_t wrapWidth) {
    return static_cast<std::size_t>(std::max<std::int32_t>(wrapWidth, 1));
}

std::string_view piece(const std::string& row, std::size_t block, std::size_t width) {
    const std::size_t start = block * width;
    return start >= row.size() ? std::string_view{} : std::string_view(row).substr(start, width);
}

} // namespace

Footer builtFooter() {
    return {build_config::kProgramCaption,
            std::string(build_config::kAuthor) + " (e-mail: " + build_config::kEmail + ")",
            build_config::kHomePage};
}

std::size_t blockCount(const TabDocument& doc, std::int32_t wrapWidth) {
    const std::size_t width = widthOf(wrapWidth);
    std::size_t longest = 0;
    for (const std::string& row : doc.rows)
        longest = std::max(longest, row.size());
    const std::size_t byChords = doc.rows[0].size() / width + 1;
    const std::size_t byLongest = longest / width + (longest % width != 0);
    return std::max(byChords, byLongest);
}

std::string renderTextOutput(const TabDocument& doc, std::int32_t wrapWidth, const Footer& footer) {
    std::string out;
    const auto line = [&out](std::string_view a, std::string_view b = {}) {
        out += a;
        out += b;
        out += kCrLf;
    };
    line(doc.title);
    line(doc.author);
    line({});

    const std::size_t width = widthOf(wrapWidth);
    const std::size_t blocks = blockCount(doc, wrapWidth);
    for (std::size_t k = 0; k < blocks; ++k) {
        line(kRowPrefixes[0], piece(doc.rows[0], k, width));
        line({});
        for (std::size_t r = 1; r < doc.rows.size(); ++r)
            line(kRowPrefixes[r], piece(doc.rows[r], k, width));
        line({});
    }

    line({});
    line(footer.program);
    line(footer.credit);
    line(footer.web);
    return out;
}

} // namespace io
