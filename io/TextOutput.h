#pragma once

#include "TabDocument.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The plain-text export: title, author, the rows cut into labelled blocks of `wrapWidth`
// characters, and a footer. Every line ends in CR LF.
namespace io {

// What stands before each row's piece in a block, in sheet order. The chord prefix is two
// characters shorter than the others, as the output always had it: a chord stands two columns
// left of the column it was written for.
inline constexpr std::array<std::string_view, 8> kRowPrefixes{"   ",   "e |  ", "h |  ", "g |  ",
                                                              "d |  ", "A |  ", "E |  ", "     "};

struct Footer {
    std::string program; // "Strunomat 1.01 CZ"
    std::string credit;  // author and contact
    std::string web;     // the home page, with its scheme
};

// The footer this build was configured with.
Footer builtFooter();

// As many blocks as the chord row gives (its length div the width, plus one), and more when
// another row is longer, so no text is lost. A width below 1 counts as 1.
std::size_t blockCount(const TabDocument& doc, std::int32_t wrapWidth);

std::string renderTextOutput(const TabDocument& doc, std::int32_t wrapWidth, const Footer& footer);

} // namespace io
