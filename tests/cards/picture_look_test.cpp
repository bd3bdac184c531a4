// What the pictures must show to be usable on the table: all different,
// suit colours right, the outer edge left for the table's own outline, and
// Pile marks that read as light marks on the green table.
#include "velvet_library.h"

#include <QPainter>

#include <set>

namespace tavolin::cards::testing {
namespace {

const QColor TableColour(0, 153, 0);

bool isRed(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qRed(pixel) > 140 && qRed(pixel) > 2 * qGreen(pixel)
           && qRed(pixel) > 2 * qBlue(pixel);
}

bool isBlack(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qMax(qMax(qRed(pixel), qGreen(pixel)), qBlue(pixel)) < 50;
}

struct Ink {
    int red = 0;
    int black = 0;
};

Ink inkIn(const QImage& image, const QRect& area)
{
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ink.red += isRed(image.pixel(x, y));
            ink.black += isBlack(image.pixel(x, y));
        }
    }
    return ink;
}

QByteArray pixelsOf(const QImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

TEST_F(VelvetLibrary, NoTwoPicturesAreAlike)
{
    std::set<QByteArray> seen;
    for (const Picture& picture : allPictures())
        EXPECT_TRUE(seen.insert(pixelsOf(picture.image)).second) << picture << " repeats";
}

// The rank and suit index in the top left corner, and its turned copy in
// the bottom right one; an Ace's one large pip in the middle.
TEST_F(VelvetLibrary, FacesShowRedForHeartsAndDiamondsAndBlackForSpadesAndClubs)
{
    for (const Picture& picture : allPictures()) {
        if (!picture.isFace())
            continue;
        SCOPED_TRACE(::testing::Message() << picture);
        const QImage& face = picture.image;
        const QSize corner(face.width() / 3, face.height() / 6);
        for (const QRect& index : {QRect(QPoint(0, 0), corner),
                                   QRect(QPoint(face.width() - corner.width(), face.height() - corner.height()), corner)}) {
            const Ink ink = inkIn(face, index);
            EXPECT_GT(picture.isRedFace() ? ink.red : ink.black, 20 * picture.scale * picture.scale);
            EXPECT_EQ(picture.isRedFace() ? ink.black : ink.red, 0);
        }
        if ((picture.number - 1) % 13 == 0) {
            const QRgb middle = face.pixel(face.width() / 2, face.height() / 2);
            EXPECT_TRUE(picture.isRedFace() ? isRed(middle) : isBlack(middle));
        }
    }
}

// A large card covered by the next card of its Column shows its top 18
// pixels (the table's 2-pixel outline over the first two): its rank and
// suit must lie wholly inside them, nothing below cut off, and no two
// cards may show the same strip.
TEST_F(VelvetLibrary, LargeFacesShowRankAndSuitWhollyInTheCoveredStrip)
{
    constexpr int Strip = 18;
    constexpr int Outline = 2;
    std::set<QByteArray> strips;
    for (const Picture& picture : allPictures()) {
        if (!picture.large)
            continue;
        const int scale = picture.scale;
        const QImage& face = picture.image;
        const QRect index(Outline * scale, Outline * scale, face.width() / 2, (Strip - Outline) * scale);
        const Ink inside = inkIn(face, index);
        const Ink below = inkIn(face, QRect(0, Strip * scale, face.width(), 8 * scale));
        EXPECT_GT(inside.red + inside.black, 60 * scale * scale) << picture;
        EXPECT_EQ(below.red + below.black, 0) << picture << " reaches below the strip";
        EXPECT_TRUE(strips.insert(pixelsOf(face.copy(index))).second) << picture;
    }
}

// The table draws its own outline on the outermost pixels; a face is
// opaque inside its rounded corners.
TEST_F(VelvetLibrary, EveryPictureLeavesItsEdgeClearAndFacesAreOpaqueInside)
{
    for (const Picture& picture : allPictures()) {
        const QImage& image = picture.image;
        const QRect edge = image.rect();
        int coveredEdge = 0;
        for (int x = 0; x < image.width(); ++x)
            coveredEdge += qAlpha(image.pixel(x, 0)) + qAlpha(image.pixel(x, edge.bottom()));
        for (int y = 0; y < image.height(); ++y)
            coveredEdge += qAlpha(image.pixel(0, y)) + qAlpha(image.pixel(edge.right(), y));
        EXPECT_EQ(coveredEdge, 0) << picture;
        if (!picture.isFace())
            continue;
        const int margin = 6 * picture.scale;
        const QRect opaque = edge.adjusted(margin, margin, -margin, -margin);
        for (const QPoint point : {opaque.topLeft(), opaque.topRight(), opaque.bottomLeft(), opaque.bottomRight(),
                                   opaque.center()})
            EXPECT_EQ(qAlpha(image.pixel(point)), 255) << picture;
    }
}

TEST_F(VelvetLibrary, PileMarksAreLightGreenTintedMarksOnTheTable)
{
    for (const Picture& picture : allPictures()) {
        if (picture.isFace())
            continue;
        QImage table(picture.image.size(), QImage::Format_ARGB32);
        table.fill(TableColour);
        QPainter(&table).drawImage(0, 0, picture.image);
        const QRgb pip = table.pixel(table.width() / 2, table.height() / 2);
        EXPECT_GT(qRed(pip) + qGreen(pip) + qBlue(pip), TableColour.red() + TableColour.green() + TableColour.blue())
            << picture;
        EXPECT_GT(qGreen(pip), qRed(pip)) << picture;
        EXPECT_FALSE(isRed(pip) || isBlack(pip)) << picture;
    }
}

} // namespace
} // namespace tavolin::cards::testing
