#pragma once

#include <QString>

#include <string>
#include <string_view>

// The document is Windows-1250 bytes; Qt shows UTF-16. Conversion happens only here, at the
// boundary between the model and the widgets.
namespace cp1250 {

// Qt converts Windows-1250 only when built with ICU; without it nothing can be stored.
bool available();

QString decode(std::string_view bytes);
std::string encode(const QString& text);

// Whether every character of the text has a Windows-1250 byte, so saving loses nothing.
bool representable(const QString& text);

} // namespace cp1250
