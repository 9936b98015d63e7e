#include "Utf8.h"

namespace io {

namespace {

constexpr std::string_view kBom = "\xef\xbb\xbf";

struct Sequence {
    std::size_t length; // 0 for a byte that never starts a character
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xbf;
};

// The well-formed sequences: the second byte's range rules out overlong forms, surrogates and
// code points above U+10FFFF.
Sequence sequenceStartingWith(unsigned char lead) {
    if (lead < 0x80)
        return {1};
    if (lead < 0xc2)
        return {0};
    if (lead < 0xe0)
        return {2};
    if (lead == 0xe0)
        return {3, 0xa0, 0xbf};
    if (lead == 0xed)
        return {3, 0x80, 0x9f};
    if (lead < 0xf0)
        return {3};
    if (lead == 0xf0)
        return {4, 0x90, 0xbf};
    if (lead < 0xf4)
        return {4};
    if (lead == 0xf4)
        return {4, 0x80, 0x8f};
    return {0};
}

} // namespace

bool isUtf8WithHighBytes(std::string_view bytes) {
    const std::string_view text = withoutUtf8Bom(bytes);
    bool sawHighByte = text.size() != bytes.size();
    for (std::size_t i = 0; i < text.size();) {
        const Sequence sequence = sequenceStartingWith(static_cast<unsigned char>(text[i]));
        if (sequence.length == 0 || sequence.length > text.size() - i)
            return false;
        for (std::size_t k = 1; k < sequence.length; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            const unsigned char low = k == 1 ? sequence.secondLow : 0x80;
            const unsigned char high = k == 1 ? sequence.secondHigh : 0xbf;
            if (c < low || c > high)
                return false;
        }
        sawHighByte = sawHighByte || sequence.length > 1;
        i += sequence.length;
    }
    return sawHighByte;
}

std::string_view withoutUtf8Bom(std::string_view bytes) {
    return bytes.starts_with(kBom) ? bytes.substr(kBom.size()) : bytes;
}

} // namespace io
