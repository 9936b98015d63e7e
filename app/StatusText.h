#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The status box texts (UTF-8): the length of the high string and how many blocks of
// `wrapWidth` characters the text output will have.
namespace status {

std::string charCountText(std::size_t length);

// length div wrapWidth + 1; a width below 1 counts as 1.
std::uint64_t lineCount(std::size_t length, std::int32_t wrapWidth);

// The count with its Czech plural: 1 "řádek", 2 to 4 "řádky", 5 and more "řádků".
std::string lineCountText(std::uint64_t lines);

} // namespace status
