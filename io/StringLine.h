#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// One string's line in a text tab as people write it: "e|--0--", "  B : -1-", "G)-2-",
// "D--2--", "A 0---". Tabs count as spaces.
namespace io {

// The six strings top down, high e first, by index 0 to 5.
inline constexpr std::size_t kStringCount = 6;

// Where the content of string `string` starts when the line is labelled with that string's
// name: after any indentation, the name, optional spaces, then "|", ":" or ")" (the content
// follows it) or straight a "-" or a digit (the content starts there). Anything else after the
// name makes the line prose, and gives nullopt.
std::optional<std::size_t> stringContentStart(std::string_view line, std::size_t string);

} // namespace io
