#include "Cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp1250 {

namespace {
constexpr const char* kName = "windows-1250";
}

bool available() {
    return QStringDecoder(kName).isValid() && QStringEncoder(kName).isValid();
}

QString decode(std::string_view bytes) {
    QStringDecoder decoder(kName);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string encode(const QString& text) {
    QStringEncoder encoder(kName);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool representable(const QString& text) {
    QStringEncoder encoder(kName);
    [[maybe_unused]] const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

} // namespace cp1250
