#pragma once

#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>

// Whole files in and out, for the menu commands. Failures throw FileError with a Czech message
// naming the file and the reason, which the window shows in its error box.
namespace file_access {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string readWholeFile(const QString& name);

// Written to a temporary file and renamed over the old one only when complete, so a failed
// save leaves an existing file as it was.
void writeWholeFile(const QString& name, std::string_view bytes);

// The name with the extension added, unless it already ends in exactly that extension.
QString withExtension(const QString& name, const QString& extension);

} // namespace file_access
