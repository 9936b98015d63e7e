#pragma once

#include <string>
#include <string_view>
#include <vector>

// Plain text as editors on any system save it, one line at a time.
namespace io {

// The lines without their ends; a line ends at LF, CR LF or a lone CR, and text after the
// last line end is a last line of its own.
std::vector<std::string_view> splitLines(std::string_view bytes);

// Tab characters replaced by the spaces up to the next multiple of eight columns, so what
// stood in a column on screen stands in the same column here.
std::string expandTabs(std::string_view line);

// Only spaces and tabs, or nothing.
bool isBlank(std::string_view line);

} // namespace io
