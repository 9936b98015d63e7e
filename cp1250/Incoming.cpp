#include "Incoming.h"

#include "Cp1250.h"
#include "Utf8.h"

#include <QHash>

namespace cp1250 {

namespace {

// Which byte stands for a character, from what the decoder makes of every byte; one lookup per
// character keeps a file of millions of them quick.
const QHash<char32_t, char>& bytesOfCharacters() {
    static const QHash<char32_t, char> table = [] {
        std::string all;
        for (int byte = 0; byte < 256; ++byte)
            all.push_back(static_cast<char>(byte));
        const QString characters = decode(all);
        QHash<char32_t, char> byCharacter;
        for (int byte = 0; byte < 256 && byte < characters.size(); ++byte)
            byCharacter.insert(characters[byte].unicode(), static_cast<char>(byte));
        return byCharacter;
    }();
    return table;
}

} // namespace

Incoming fromText(const QString& text) {
    const QHash<char32_t, char>& known = bytesOfCharacters();
    const QString composed = text.normalized(QString::NormalizationForm_C);
    Incoming in;
    in.bytes.reserve(static_cast<std::size_t>(composed.size()));
    for (const char32_t c : composed.toUcs4()) {
        const auto found = known.constFind(c);
        if (found != known.constEnd()) {
            in.bytes += *found;
        } else {
            in.bytes += '?';
            ++in.replaced;
        }
    }
    return in;
}

Incoming fromFile(std::string_view bytes) {
    if (!io::isUtf8WithHighBytes(bytes))
        return {std::string(bytes), 0};
    const std::string_view utf8 = io::withoutUtf8Bom(bytes);
    return fromText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

} // namespace cp1250
