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

QByteArray pixelsOf(const QImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

TEST_F(VelvetLibrary, NoTwoPicturesAreAlike)
{
    for (int scale : {1, 2}) {
        std::set<QByteArray> seen;
        for (int number = 1; number <= AllPictures; ++number)
            EXPECT_TRUE(seen.insert(pixelsOf(picture(number, scale))).second)
                << "picture " << number << " at " << scale << " repeats";
        for (int number = 1; number <= FaceCount; ++number)
            EXPECT_TRUE(seen.insert(pixelsOf(largeFace(number, scale))).second)
                << "large face " << number << " at " << scale << " repeats";
    }
}

TEST_F(VelvetLibrary, IndexesShowRedForHeartsAndDiamondsAndBlackForSpadesAndClubs)
{
    for (int scale : {1, 2}) {
        const std::vector<QImage> faces = allFaces(scale);
        for (std::size_t i = 0; i < faces.size(); ++i) {
            const int face = int(i) % FaceCount;
            for (const QRect& corner : indexCorners(faces[i])) {
                const ColourCount count = countColours(faces[i], corner);
                const int ink = isRedSuit(face) ? count.red : count.black;
                const int wrongInk = isRedSuit(face) ? count.black : count.red;
                EXPECT_GT(ink, 20 * scale * scale) << "face " << i + 1 << " at " << scale;
                EXPECT_EQ(wrongInk, 0) << "face " << i + 1 << " at " << scale;
            }
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
    for (int scale : {1, 2}) {
        std::set<QByteArray> strips;
        for (int number = 1; number <= FaceCount; ++number) {
            const QImage face = largeFace(number, scale);
            const QRect index(Outline * scale, Outline * scale, face.width() / 2, (Strip - Outline) * scale);
            const QRect belowStrip(0, Strip * scale, face.width(), 8 * scale);
            const ColourCount inside = countColours(face, index);
            const ColourCount below = countColours(face, belowStrip);
            EXPECT_GT(inside.red + inside.black, 60 * scale * scale) << number << " at " << scale;
            EXPECT_EQ(below.red + below.black, 0) << number << " at " << scale << " reaches below the strip";
            EXPECT_TRUE(strips.insert(pixelsOf(face.copy(index))).second) << number << " at " << scale;
        }
    }
}

TEST_F(VelvetLibrary, AcesCarryOneLargePipOfTheSuitColourInTheMiddle)
{
    for (int scale : {1, 2}) {
        for (int suit = 0; suit < 4; ++suit) {
            for (const QImage& ace : {picture(suit * 13 + 1, scale), largeFace(suit * 13 + 1, scale)}) {
                const QRgb middle = ace.pixel(ace.width() / 2, ace.height() / 2);
                EXPECT_TRUE(suit < 2 ? isRed(middle) : isBlack(middle)) << "suit " << suit << " at " << scale;
            }
        }
    }
}

TEST_F(VelvetLibrary, OuterEdgeIsLeftClearForTheTableOutline)
{
    for (int scale : {1, 2}) {
        std::vector<QImage> pictures = allFaces(scale);
        for (int number = FaceCount + 1; number <= AllPictures; ++number)
            pictures.push_back(picture(number, scale));
        for (std::size_t number = 1; number <= pictures.size(); ++number) {
            const QImage& image = pictures[number - 1];
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
        const std::vector<QImage> faces = allFaces(scale);
        for (std::size_t number = 1; number <= faces.size(); ++number) {
            const QImage& image = faces[number - 1];
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
