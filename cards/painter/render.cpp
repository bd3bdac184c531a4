#include "render.h"

#include "../picture_table.h"
#include "face_painter.h"
#include "pile_mark.h"

#include <QBuffer>
#include <QPainter>

namespace tavolin::cards {
namespace {

constexpr int FaceCount = 52;
constexpr int RanksPerSuit = 13;

QImage blankPicture(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage renderPicture(int number, int scale)
{
    QImage image = blankPicture(CardWidth, CardHeight, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const int index = number - 1;
    if (index < FaceCount)
        paintFace(painter, static_cast<Suit>(index / RanksPerSuit), index % RanksPerSuit);
    else
        paintPileMark(painter, static_cast<Suit>(index - FaceCount));
    return image;
}

QImage renderLargeFace(int number, int scale)
{
    QImage image = blankPicture(LargeCardWidth, LargeCardHeight, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const int index = number - 1;
    paintLargeFace(painter, static_cast<Suit>(index / RanksPerSuit), index % RanksPerSuit);
    return image;
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
