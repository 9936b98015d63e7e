// Any document and width handed to the text output: no crash, and enough blocks to hold every
// row, so no text is lost.
#include "TextOutput.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The first four bytes are the width; the rest is split into the ten texts at byte 0xFF.
io::TabDocument documentOf(std::string_view bytes) {
    io::TabDocument doc;
    std::string* fields[10] = {&doc.title};
    for (std::size_t i = 0; i < 8; ++i)
        fields[i + 1] = &doc.rows[i];
    fields[9] = &doc.author;
    std::size_t field = 0;
    for (const char c : bytes) {
        if (c == '\xff' && field < 9)
            ++field;
        else
            *fields[field] += c;
    }
    return doc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    std::int32_t width = 0;
    std::memcpy(&width, data, sizeof width);
    // Widths beyond the texts say nothing new and would only slow the run down.
    width = static_cast<std::int32_t>(static_cast<std::uint32_t>(width) % 300) - 20;
    const io::TabDocument doc =
        documentOf(std::string_view(reinterpret_cast<const char*>(data) + 4, size - 4));
    const std::string out = io::renderTextOutput(doc, width, {"p", "c", "w"});

    const std::size_t blocks = io::blockCount(doc, width);
    const std::size_t effective = width < 1 ? 1 : static_cast<std::size_t>(width);
    for (const std::string& row : doc.rows)
        if (row.size() > blocks * effective)
            std::abort();
    return out.empty() ? -1 : 0;
}
