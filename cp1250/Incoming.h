#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

// Text that comes from outside the program, put into the document's Windows-1250 bytes.
namespace cp1250 {

struct Incoming {
    std::string bytes;
    // Characters Windows-1250 cannot hold, each now a "?"; the user is told how many.
    std::size_t replaced = 0;
};

// Text from the clipboard or a decoded file. Letters written as a base letter and a combining
// accent are joined first, so a decomposed "ě" stays "ě".
Incoming fromText(const QString& text);

// A file: read as UTF-8 when it is valid UTF-8 holding a byte of 0x80 or above (a byte order
// mark is dropped), otherwise taken as the Windows-1250 it then is, byte for byte.
Incoming fromFile(std::string_view bytes);

} // namespace cp1250
