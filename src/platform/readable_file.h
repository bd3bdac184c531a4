#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavolin {

// Paths the player types, or a settings file names, may lead to a named pipe
// (opening it waits for a writer that never comes), a device (read without
// end) or a folder. These look at what a path is before and after opening it,
// without waiting, and go on only with a regular file or a link to one.

// Whether path is such a file that this user can open for reading.
bool isReadableRegularFile(const QString& path);

// The whole of such a file as it was when opened; nothing when it is none, or
// holds more than maxBytes.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

} // namespace tavolin
