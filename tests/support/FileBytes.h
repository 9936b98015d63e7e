#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <string>

// Whole files as bytes, for checking what the window read and wrote.
inline std::string bytesOf(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

inline void writeBytes(const QString& name, const std::string& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}
