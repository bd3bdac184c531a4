#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tavolin {

// The player's picture stretched to the side window's size in pixels, laid
// on the table colour. Null when the path names no regular file, or one that
// is no picture, or one so large that reading or decoding it would take a
// great deal of time and memory.
QImage loadSidePicture(const QString& path, QSize size);

} // namespace tavolin
