#include "FileAccess.h"

#include <QFile>
#include <QSaveFile>

namespace file_access {

namespace {

[[noreturn]] void fail(const char* what, const QString& name, const QString& reason) {
    throw FileError(QString::fromUtf8(what).arg(name, reason).toStdString());
}

} // namespace

std::string readWholeFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        fail("Soubor „%1“ nelze otevřít. %2", name, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail("Soubor „%1“ nelze přečíst. %2", name, file.errorString());
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void writeWholeFile(const QString& name, std::string_view bytes) {
    QSaveFile file(name);
    const auto size = static_cast<qint64>(bytes.size());
    // Unbuffered, so a write that runs out of space fails here, where it is seen; buffered, the
    // failure of the final flush went unnoticed and a truncated file replaced the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes.data(), size) != size || !file.commit())
        fail("Soubor „%1“ nelze uložit. %2", name, file.errorString());
}

QString withExtension(const QString& name, const QString& extension) {
    return name.endsWith(extension, Qt::CaseSensitive) ? name : name + extension;
}

} // namespace file_access
