// Any bytes handed to the tab file reader: it must neither crash nor read out of bounds, and a
// save of what it read must read back as the same ten texts.
#include "TabFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const io::TabDocument read = io::readTabFile(bytes);
    const io::TabDocument again = io::readTabFile(io::writeTabFile(read));
    if (!(again == read))
        std::abort();
    return 0;
}
