#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Plain text as editors on any system save it, read a line at a time so that even a file of
// nothing but line ends costs no memory per line.
namespace io {

// A line ends at LF, CR LF or a lone CR; text after the last line end is a last line of its
// own.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}

    // The next line without its end; nullopt after the last.
    std::optional<std::string_view> next();

private:
    std::string_view rest_;
};

// Tabs stop every eight columns, so what stood in a column on screen stays in that column.
// The column after `text` when it starts at `column`.
std::size_t columnAfter(std::string_view text, std::size_t column);

// Appends `text`, which starts at `column`, with each tab replaced by the spaces up to its stop.
void appendExpanded(std::string& out, std::string_view text, std::size_t column);

// What separates words, chords and labels on a line.
inline constexpr std::string_view kBlanks = " \t";

// Only blanks, or nothing.
bool isBlank(std::string_view line);

std::string_view withoutTrailingBlanks(std::string_view text);

} // namespace io
