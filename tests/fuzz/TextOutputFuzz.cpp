// Any document and width handed to the text output: no crash, and enough blocks to hold every
// row, so no text is lost.
#include "FuzzTexts.h"
#include "TextOutput.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < fuzz_texts::kWidthBytes)
        return 0;
    const std::int32_t width = fuzz_texts::widthOf(data);
    const io::TabDocument doc = fuzz_texts::documentOf(fuzz_texts::textsOf(
        std::string_view(reinterpret_cast<const char*>(data) + fuzz_texts::kWidthBytes,
                         size - fuzz_texts::kWidthBytes),
        10));
    const std::string out = io::renderTextOutput(doc, width, {"p", "c", "w"});

    const std::size_t blocks = io::blockCount(doc, width);
    const std::size_t effective = width < 1 ? 1 : static_cast<std::size_t>(width);
    for (const std::string& row : doc.rows)
        if (row.size() > blocks * effective)
            std::abort();
    return out.empty() ? -1 : 0;
}
