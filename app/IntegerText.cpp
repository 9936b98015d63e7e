#include "IntegerText.h"

#include <charconv>

namespace integer_text {

namespace {

std::string conversionMessage(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    return message;
}

} // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error(conversionMessage(text)) {}

std::int32_t toInt32(std::string_view text) {
    std::string_view digits = text;
    while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t'))
        digits.remove_prefix(1);
    // from_chars takes a minus but no plus; a plus must not hide a second sign behind it.
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-')
            throw ConversionError(text);
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        throw ConversionError(text);
    return value;
}

} // namespace integer_text
