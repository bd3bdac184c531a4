#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavolin::testing {

// The whole file, or nothing when it cannot be read.
inline QByteArray readFileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFileBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tavolin::testing
