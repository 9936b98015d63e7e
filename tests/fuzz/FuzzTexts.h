#pragma once

#include "TabDocument.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// How the text fuzzers read their input: the first four bytes are a wrap width, the rest are
// texts separated by byte 0xFF.
namespace fuzz_texts {

constexpr std::size_t kWidthBytes = 4;

// Widths beyond the texts say nothing new and would only slow the run down; widths below 1
// are kept, since the output must cope with them too.
inline std::int32_t widthOf(const std::uint8_t* data) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    return static_cast<std::int32_t>(raw % 300) - 20;
}

// `count` texts; the last one takes whatever is left, separators included.
inline std::vector<std::string> textsOf(std::string_view bytes, std::size_t count) {
    std::vector<std::string> texts(count);
    std::size_t text = 0;
    for (const char c : bytes) {
        if (c == '\xff' && text + 1 < count)
            ++text;
        else
            texts[text] += c;
    }
    return texts;
}

// The first ten texts as a document: title, the eight rows, author.
inline io::TabDocument documentOf(const std::vector<std::string>& texts) {
    io::TabDocument doc;
    doc.title = texts[0];
    for (std::size_t i = 0; i < doc.rows.size(); ++i)
        doc.rows[i] = texts[i + 1];
    doc.author = texts[9];
    return doc;
}

} // namespace fuzz_texts
