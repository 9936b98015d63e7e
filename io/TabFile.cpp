#include "TabFile.h"

#include <cstddef>

namespace io {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Terminators of the nine lines: title, chords, six strings, lyrics.
constexpr std::array<std::size_t, 9> kTerminators{1, 2, 1, 1, 1, 1, 1, 1, 3};

// CR LF stays; every other CR and every other LF becomes CR LF.
std::string normaliseLineBreaks(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 64);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            text += kCrLf;
            ++i;
        } else if (c == '\r' || c == '\n') {
            text += kCrLf;
        } else {
            text += c;
        }
    }
    return text;
}

std::string_view withoutTerminator(std::string_view line, std::size_t terminator) {
    for (std::size_t i = 0; i < terminator && !line.empty() && line.back() == ';'; ++i)
        line.remove_suffix(1);
    return line;
}

} // namespace

std::string writeTabFile(const TabDocument& doc) {
    std::string file;
    const auto line = [&](const std::string& text, std::size_t terminator) {
        file += text;
        file.append(terminator, ';');
        file += kCrLf;
    };
    line(doc.title, kTerminators[0]);
    for (std::size_t i = 0; i < doc.rows.size(); ++i)
        line(doc.rows[i], kTerminators[i + 1]);
    file += doc.author;
    return file;
}

TabDocument readTabFile(std::string_view bytes) {
    const std::string text = normaliseLineBreaks(bytes);
    std::string_view rest = text;
    std::array<std::string_view, 9> lines{};
    for (std::size_t i = 0; i < lines.size() && !rest.empty(); ++i) {
        const std::size_t end = rest.find(kCrLf);
        lines[i] = withoutTerminator(rest.substr(0, end), kTerminators[i]);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
    }

    TabDocument doc;
    doc.title = lines[0];
    for (std::size_t i = 0; i < doc.rows.size(); ++i)
        doc.rows[i] = lines[i + 1];
    doc.author = rest;
    return doc;
}

} // namespace io
