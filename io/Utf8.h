#pragma once

#include <string_view>

// Telling a UTF-8 file from a Windows-1250 one before it is decoded.
namespace io {

// Valid UTF-8 after an optional byte order mark, and holding a byte of 0x80 or above (the mark
// counts). Plain ASCII reads the same either way, so it gives false.
bool isUtf8WithHighBytes(std::string_view bytes);

std::string_view withoutUtf8Bom(std::string_view bytes);

} // namespace io
