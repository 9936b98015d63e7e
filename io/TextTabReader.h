#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Guitar tabs as people type them in plain text: blocks of six string lines, high e first, with
// chords on the line above, and titles, headings and notes around them.
namespace io {

struct TextTab {
    std::string title; // empty when the text has none
    // The chord row, then the strings e h g d A E; all of one length.
    std::array<std::string, 7> aligned;

    bool operator==(const TextTab&) const = default;
};

// Every block of the text, one after another, each brought to its longest row ("-" on the
// strings, " " on the chords); the title is the first non-blank line above the first block
// other than its chord line. Every other line is left out. nullopt when there is no block.
// Throws std::length_error, with a Czech message, when tabs or far-flung chords would make the
// rows wider than the text is long.
std::optional<TextTab> readTextTab(std::string_view bytes);

} // namespace io
