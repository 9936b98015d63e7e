#include "StatusText.h"

#include <algorithm>

namespace status {

std::string charCountText(std::size_t length) {
    return std::to_string(length) + " znaků";
}

std::uint64_t lineCount(std::size_t length, std::int32_t wrapWidth) {
    const auto width = static_cast<std::uint64_t>(std::max<std::int32_t>(wrapWidth, 1));
    return length / width + 1;
}

std::string lineCountText(std::uint64_t lines) {
    const char* word = lines == 1 ? "  řádek" : lines <= 4 ? "  řádky" : "  řádků";
    return std::to_string(lines) + word;
}

} // namespace status
