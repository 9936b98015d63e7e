#pragma once

#include "TabDocument.h"

#include <optional>
#include <string_view>

// Opening a text file, or a text pasted from elsewhere, as a document.
namespace io {

// Our own text output gives back all ten texts; any other text gives its tab blocks as the
// chord and string rows, with the title found above them and no lyrics or author. nullopt when
// the text is neither; std::length_error when its tab would be wider than the text is long.
std::optional<TabDocument> importText(std::string_view bytes);

// Whether a file chosen as a tab file is a text tab rather than the program's own records:
// ours always has nine lines ending in ";" before the author, so any file that has not, yet
// holds a tab block, is a text tab.
bool isTextTabFile(std::string_view bytes);

} // namespace io
