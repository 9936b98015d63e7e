// Any bytes opened as a text file: no crash, and a text tab that comes back has its seven rows
// aligned. A file taken for a text tab must hold one, and a text that holds one must import.
// A text whose tabs would make rows wider than it is long is refused with its own error.
#include "TextImport.h"
#include "TextTabReader.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<io::TextTab> tab;
    try {
        tab = io::readTextTab(bytes);
    } catch (const std::length_error&) {
        return 0;
    }
    if (tab)
        for (const std::string& row : tab->aligned)
            if (row.size() != tab->aligned[0].size())
                std::abort();
    if (io::isTextTabFile(bytes) && !tab)
        std::abort();
    if (tab && !io::importText(bytes))
        std::abort();
    return 0;
}
