#include "StringLine.h"

#include "TextLines.h"

#include <array>

namespace io {

namespace {

// The names each string goes by, in English and Czech note names; tabs typed all in lower case
// name the B string "b".
constexpr std::array<std::string_view, kStringCount> kNames{"eE", "BbHh", "Gg", "Dd", "Aa", "Ee"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::size_t> stringContentStart(std::string_view line, std::size_t string) {
    if (string >= kStringCount)
        return std::nullopt;
    const std::size_t name = line.find_first_not_of(kBlanks);
    if (name == std::string_view::npos || kNames[string].find(line[name]) == std::string_view::npos)
        return std::nullopt;
    const std::size_t next = line.find_first_not_of(kBlanks, name + 1);
    if (next == std::string_view::npos)
        return std::nullopt;
    const char c = line[next];
    if (c == '|' || c == ':' || c == ')')
        return next + 1;
    if (c == '-' || isDigit(c))
        return next;
    return std::nullopt;
}

} // namespace io
