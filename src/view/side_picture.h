#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tavolin {

// The player's picture stretched to the side window's size in pixels, laid
// on the table colour. Null when the file is missing, is no picture, or is
// so large that decoding it would take a great deal of memory.
QImage loadSidePicture(const QString& path, QSize size);

} // namespace tavolin
