#include "render.h"

#include "../picture_table.h"
#include "face_painter.h"
#include "pile_mark.h"

#include <QBuffer>
#include <QPainter>

#include <functional>

namespace tavolin::cards {
namespace {

constexpr int FaceCount = 52;
constexpr int RanksPerSuit = 13;

// A transparent picture of the card size at the scale, painted in the
// card's own coordinates.
QImage paintedPicture(int width, int height, int scale, const std::function<void(QPainter&)>& paint)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paint(painter);
    return image;
}

} // namespace

QImage renderPicture(int number, int scale)
{
    const int index = number - 1;
    return paintedPicture(CardWidth, CardHeight, scale, [index](QPainter& painter) {
        if (index < FaceCount)
            paintFace(painter, static_cast<Suit>(index / RanksPerSuit), index % RanksPerSuit);
        else
            paintPileMark(painter, static_cast<Suit>(index - FaceCount));
    });
}

QImage renderLargeFace(int number, int scale)
{
    const int index = number - 1;
    return paintedPicture(LargeCardWidth, LargeCardHeight, scale, [index](QPainter& painter) {
        paintLargeFace(painter, static_cast<Suit>(index / RanksPerSuit), index % RanksPerSuit);
    });
}

QByteArray encodePng(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace tavolin::cards
