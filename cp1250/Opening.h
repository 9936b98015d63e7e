#pragma once

#include "TabDocument.h"

#include <cstddef>
#include <optional>
#include <string_view>

// Files opened as documents, the same way in the editor and in the batch tool.
namespace cp1250 {

struct Opened {
    // None when the file holds no tab.
    std::optional<io::TabDocument> doc;
    // Characters Windows-1250 cannot hold, each now a "?".
    std::size_t replaced = 0;
};

// A text file, in UTF-8 or Windows-1250: our own text output back exactly, or the text tab in
// it. Throws std::length_error when its tab would be wider than the file is long.
Opened openText(std::string_view bytes);

// A file chosen as a tab file: our own records as they stand, or a text tab under that name.
Opened openTab(std::string_view bytes);

} // namespace cp1250
