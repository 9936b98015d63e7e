// Any document without line breaks, any footer and any width: the text output must read back
// as exactly the ten texts it was rendered from.
#include "FuzzTexts.h"
#include "TextOutput.h"
#include "TextOutputReader.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < fuzz_texts::kWidthBytes)
        return 0;
    // The ten texts, then the three footer lines.
    std::vector<std::string> texts = fuzz_texts::textsOf(
        std::string_view(reinterpret_cast<const char*>(data) + fuzz_texts::kWidthBytes,
                         size - fuzz_texts::kWidthBytes),
        13);
    for (std::string& text : texts)
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    const io::TabDocument doc = fuzz_texts::documentOf(texts);
    const io::Footer footer{texts[10], texts[11], texts[12]};

    const std::optional<io::TabDocument> read =
        io::readTextOutput(io::renderTextOutput(doc, fuzz_texts::widthOf(data), footer));
    if (!read || !(*read == doc))
        std::abort();
    return 0;
}
