// Any bytes opened as a text file: no crash, and a text tab that comes back has its seven rows
// aligned. A file taken for a text tab must hold one, and a text that holds one must import.
#include "TextImport.h"
#include "TextTabReader.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<io::TextTab> tab = io::readTextTab(bytes);
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
