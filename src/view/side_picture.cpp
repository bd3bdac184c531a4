#include "side_picture.h"

#include "platform/regular_file.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace tavolin {
namespace {

// The side window is under a megapixel, and the picture is read again each
// time the window comes back. 32 MiB holds a camera's photograph as JPEG or a
// picture the size of a screen in any format, and decodes in a fifth of a
// second; a larger file is refused before a byte of it is read, and a picture
// of more than 40 megapixels before it is decoded.
constexpr qint64 MaxBytes = 32 * 1024 * 1024;
constexpr qint64 MaxPixels = 40'000'000;

} // namespace

QImage loadSidePicture(const QString& path, QSize size)
{
    FileContents contents = readRegularFile(path, MaxBytes, WhenLarger::ReadNothing);
    if (contents.state != FileContents::State::Read || contents.cutShort)
        return {};
    QBuffer file(&contents.bytes);
    file.open(QIODevice::ReadOnly);
    QImageReader reader(&file);
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() > MaxPixels)
        return {};
    reader.setScaledSize(size);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    QImage onTable(picture.size(), QImage::Format_RGB32);
    onTable.fill(QColor(0, 153, 0));
    QPainter(&onTable).drawImage(0, 0, picture);
    return onTable;
}

} // namespace tavolin
