#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Reading a number typed into a settings field.
namespace integer_text {

// The error a handler ends with when the text is not a whole number.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// A whole 32-bit number in decimal, optionally signed, after optional leading spaces;
// anything else (empty, a lone sign, letters, out of range) throws ConversionError.
std::int32_t toInt32(std::string_view text);

} // namespace integer_text
