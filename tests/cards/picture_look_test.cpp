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

struct ColourCount {
    int red = 0;
    int black = 0;
};

ColourCount countColours(const QImage& image, const QRect& area)
{
    ColourCount count;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count.red += isRed(image.pixel(x, y));
            count.black += isBlack(image.pixel(x, y));
        }
    }
    return count;
}

// The rank and suit index in the top left corner, and its turned copy in the
// bottom right one.
std::array<QRect, 2> indexCorners(const QImage& image)
{
    const QSize corner(image.width() / 3, image.height() / 6);
    return {QRect(QPoint(0, 0), corner),
            QRect(QPoint(image.width() - corner.width(), image.height() - corner.height()), corner)};
}

bool isRedSuit(int face)
{
    return face < 26;
}

QImage onTable(const QImage& mark)
{
    QImage table(mark.size(), QImage::Format_ARGB32);
    table.fill(TableColour);
    QPainter painter(&table);
    painter.drawImage(0, 0, mark);
    return table;
}

int lightness(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

TEST_F(VelvetLibrary, NoTwoPicturesAreAlike)
{
    for (int scale : {1, 2}) {
        std::set<QByteArray> seen;
        for (int number = 1; number <= AllPictures; ++number) {
            const QImage image = picture(number, scale);
            const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
            EXPECT_TRUE(seen.insert(pixels).second) << "picture " << number << " at " << scale << " repeats";
        }
    }
}

TEST_F(VelvetLibrary, IndexesShowRedForHeartsAndDiamondsAndBlackForSpadesAndClubs)
{
    for (int scale : {1, 2}) {
        for (int face = 0; face < FaceCount; ++face) {
            const QImage image = picture(face + 1, scale);
            for (const QRect& corner : indexCorners(image)) {
                const ColourCount count = countColours(image, corner);
                const int ink = isRedSuit(face) ? count.red : count.black;
                const int wrongInk = isRedSuit(face) ? count.black : count.red;
                EXPECT_GT(ink, 20 * scale * scale) << "face " << face + 1 << " at " << scale;
                EXPECT_EQ(wrongInk, 0) << "face " << face + 1 << " at " << scale;
            }
        }
    }
}

TEST_F(VelvetLibrary, AcesCarryOneLargePipOfTheSuitColourInTheMiddle)
{
    for (int scale : {1, 2}) {
        for (int suit = 0; suit < 4; ++suit) {
            const QImage ace = picture(suit * 13 + 1, scale);
            const QRgb middle = ace.pixel(ace.width() / 2, ace.height() / 2);
            EXPECT_TRUE(suit < 2 ? isRed(middle) : isBlack(middle)) << "suit " << suit << " at " << scale;
        }
    }
}

TEST_F(VelvetLibrary, OuterEdgeIsLeftClearForTheTableOutline)
{
    for (int scale : {1, 2}) {
        for (int number = 1; number <= AllPictures; ++number) {
            const QImage image = picture(number, scale);
            const int right = image.width() - 1;
            const int bottom = image.height() - 1;
            for (int x = 0; x <= right; ++x) {
                ASSERT_EQ(qAlpha(image.pixel(x, 0)), 0) << number << " at " << scale;
                ASSERT_EQ(qAlpha(image.pixel(x, bottom)), 0) << number << " at " << scale;
            }
            for (int y = 0; y <= bottom; ++y) {
                ASSERT_EQ(qAlpha(image.pixel(0, y)), 0) << number << " at " << scale;
                ASSERT_EQ(qAlpha(image.pixel(right, y)), 0) << number << " at " << scale;
            }
        }
    }
}

TEST_F(VelvetLibrary, FacesAreOpaqueInside)
{
    for (int scale : {1, 2}) {
        for (int number = 1; number <= FaceCount; ++number) {
            const QImage image = picture(number, scale);
            const QRect inside = image.rect().adjusted(6 * scale, 6 * scale, -6 * scale, -6 * scale);
            for (const QPoint point : {inside.topLeft(), inside.topRight(), inside.bottomLeft(),
                                       inside.bottomRight(), inside.center()})
                EXPECT_EQ(qAlpha(image.pixel(point)), 255) << number << " at " << scale;
        }
    }
}

TEST_F(VelvetLibrary, PileMarksAreLightMarksOnTheGreenTable)
{
    for (int scale : {1, 2}) {
        for (int number = FaceCount + 1; number <= AllPictures; ++number) {
            const QImage table = onTable(picture(number, scale));
            const QRgb pip = table.pixel(table.width() / 2, table.height() / 2);
            EXPECT_GT(lightness(pip), lightness(TableColour.rgb())) << number << " at " << scale;
            EXPECT_GT(qGreen(pip), qRed(pip)) << "a mark stays green-tinted: " << number;
            EXPECT_FALSE(isRed(pip) || isBlack(pip)) << number << " at " << scale;
        }
    }
}

} // namespace
} // namespace tavolin::cards::testing
