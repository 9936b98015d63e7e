#pragma once

#include "TabDocument.h"

#include <optional>
#include <string_view>

namespace io {

// The program's own text output read back into the ten texts it was rendered from, at whatever
// width; nullopt when the bytes are not laid out exactly as the output lays them out. Line ends
// changed by another system's editor (LF, a lone CR) and a missing last line end are accepted.
std::optional<TabDocument> readTextOutput(std::string_view bytes);

} // namespace io
