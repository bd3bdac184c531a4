#include "side_picture.h"

#include <QImageReader>
#include <QPainter>

namespace tavolin {
namespace {

// A 40-megapixel photograph still loads; a picture larger than that is
// refused before it is decoded.
constexpr qint64 MaxPixels = 40'000'000;

} // namespace

QImage loadSidePicture(const QString& path, QSize size)
{
    QImageReader reader(path);
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
