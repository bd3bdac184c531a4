#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tavolin::cards {

// Writes the C++ source that defines PictureBytes and PictureSpans from the
// files in their table order. False when the file cannot be written.
bool writeTableSource(const QList<QByteArray>& files, const QString& path);

} // namespace tavolin::cards
