// The card picture library, loaded as the game loads it: what it exports
// and hands out, the same pictures from every build, and what the pictures
// must show to be usable on the table.
#include "velvet_bitmap.h"

#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

namespace tavolin::cards {
namespace {

constexpr int FaceCount = 52;
constexpr int AllPictures = FaceCount + 4;   // and the marks of the empty Piles

// One picture the library offers, decoded.
struct Picture {
    int number;
    bool large;
    int scale;
    QImage image;

    bool isFace() const { return number <= FaceCount; }
    bool isRedFace() const { return number <= 26; }
};

std::ostream& operator<<(std::ostream& out, const Picture& picture)
{
    return out << (picture.large ? "large " : "") << picture.number << " at " << picture.scale;
}

// Loads the built library by its path for each test and unloads it after.
class VelvetLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        velvetBitmap = reinterpret_cast<VelvetBitmapFunction>(library.resolve(VelvetBitmapSymbol));
        ASSERT_NE(velvetBitmap, nullptr);
        velvetLargeBitmap = reinterpret_cast<VelvetBitmapFunction>(library.resolve(VelvetLargeBitmapSymbol));
        ASSERT_NE(velvetLargeBitmap, nullptr);
    }

    void TearDown() override { library.unload(); }

    // Every picture at both scales: the small set (faces, then the Pile
    // marks), then the large faces.
    std::vector<Picture> allPictures() const
    {
        std::vector<Picture> pictures;
        for (int scale : {1, 2}) {
            for (int number = 1; number <= AllPictures; ++number)
                pictures.push_back({number, false, scale, decoded(velvetBitmap, number, scale)});
            for (int number = 1; number <= FaceCount; ++number)
                pictures.push_back({number, true, scale, decoded(velvetLargeBitmap, number, scale)});
        }
        return pictures;
    }

    QLibrary library{VELVET_LIBRARY_PATH};
    VelvetBitmapFunction velvetBitmap = nullptr;
    VelvetBitmapFunction velvetLargeBitmap = nullptr;

    static QImage decoded(VelvetBitmapFunction function, int number, int scale)
    {
        const unsigned char* data = nullptr;
        int size = 0;
        if (function(number, scale, &data, &size) != 1)
            return {};
        return QImage::fromData(data, size, "PNG").convertToFormat(QImage::Format_ARGB32);
    }
};

QStringList definedDynamicSymbols(const QString& path)
{
    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", path});
    if (!nm.waitForFinished() || nm.exitCode() != 0)
        return {"<nm failed>"};
    QStringList names;
    for (const QString& line : QString::fromLocal8Bit(nm.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        names.append(line.split(' ', Qt::SkipEmptyParts).last());
    return names;
}

QByteArray paintPictureSource(const QString& path)
{
    QProcess painter;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    painter.setProcessEnvironment(environment);
    painter.start(VELVET_PAINTER_PATH, {path});
    if (!painter.waitForFinished() || painter.exitCode() != 0)
        return {};
    QFile source(path);
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

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

TEST(VelvetLibraryBuild, ExportsNothingButTheEntryPoints)
{
    const QStringList entryPoints{VelvetBitmapSymbol, VelvetLargeBitmapSymbol};
    EXPECT_EQ(definedDynamicSymbols(VELVET_LIBRARY_PATH), entryPoints);
}

// The build painted the pictures once; painted again, they are the same.
TEST(VelvetLibraryBuild, PainterWritesTheSameSourceEveryRun)
{
    QTemporaryDir directory;
    QFile built(VELVET_PICTURES_SOURCE);
    ASSERT_TRUE(directory.isValid() && built.open(QIODevice::ReadOnly));
    EXPECT_EQ(paintPictureSource(directory.filePath("again.cpp")), built.readAll());
}

TEST_F(VelvetLibrary, RefusesWhatItDoesNotHoldAndLeavesTheOutputsAlone)
{
    const unsigned char untouched[] = {0xAB};
    const unsigned char* data = untouched;
    int size = -7;
    // The large set has no Pile marks.
    const std::tuple<bool, int, int> refused[] = {
        {false, 0, 1}, {false, 57, 1}, {false, -1, 1}, {false, 0, 2}, {false, 57, 2}, {false, 1, 0}, {false, 1, 3},
        {false, 56, 3}, {false, 1, -1}, {true, 0, 1}, {true, 53, 1}, {true, 56, 2}, {true, 1, 0}, {true, 1, 3},
    };
    for (const auto& [large, number, scale] : refused)
        EXPECT_EQ((large ? velvetLargeBitmap : velvetBitmap)(number, scale, &data, &size), 0)
            << number << " at " << scale;
    EXPECT_EQ(velvetBitmap(1, 1, nullptr, &size), 0);
    EXPECT_EQ(velvetBitmap(1, 1, &data, nullptr), 0);
    EXPECT_EQ(velvetBitmap(1, 1, nullptr, nullptr), 0);
    EXPECT_EQ(data, untouched);
    EXPECT_EQ(size, -7);
}

// The table draws its own outline on the outermost pixels. A Pile's mark
// is a light, green-tinted mark on the green table.
TEST_F(VelvetLibrary, EveryPictureIsAPngOfItsSizeUnlikeAnyOtherWithItsEdgeClear)
{
    std::set<QByteArray> seen;
    for (const Picture& picture : allPictures()) {
        const QImage& image = picture.image;
        EXPECT_EQ(image.size(), (picture.large ? QSize(142, 192) : QSize(72, 96)) * picture.scale) << picture;
        EXPECT_TRUE(seen.insert(pixelsOf(image)).second) << picture << " repeats";
        int coveredEdge = 0;
        for (int x = 0; x < image.width(); ++x)
            coveredEdge += qAlpha(image.pixel(x, 0)) + qAlpha(image.pixel(x, image.height() - 1));
        for (int y = 0; y < image.height(); ++y)
            coveredEdge += qAlpha(image.pixel(0, y)) + qAlpha(image.pixel(image.width() - 1, y));
        EXPECT_EQ(coveredEdge, 0) << picture;
        if (!picture.isFace()) {
            QImage table(image.size(), QImage::Format_ARGB32);
            table.fill(TableColour);
            QPainter(&table).drawImage(0, 0, image);
            const QRgb pip = table.pixel(table.width() / 2, table.height() / 2);
            const int tableLightness = TableColour.red() + TableColour.green() + TableColour.blue();
            EXPECT_GT(qRed(pip) + qGreen(pip) + qBlue(pip), tableLightness) << picture;
            EXPECT_GT(qGreen(pip), qRed(pip)) << picture;
            EXPECT_FALSE(isRed(pip) || isBlack(pip)) << picture;
        }
    }
    // The bytes are the library's own: asked again, it points at the same ones.
    const unsigned char* first = nullptr;
    const unsigned char* again = nullptr;
    int size = 0;
    ASSERT_EQ(velvetBitmap(AllPictures, 2, &first, &size), 1);
    ASSERT_EQ(velvetBitmap(AllPictures, 2, &again, &size), 1);
    EXPECT_EQ(again, first);
}

// Opaque inside the rounded corners; the index in the top left corner and
// its turned copy, and an Ace's one large pip, in the suit's colour. A large
// card covered by the next card of its Column shows its top 18 pixels (the
// table's 2-pixel outline over the first two): its rank and suit must lie
// wholly inside them, nothing below cut off, and no two cards may show the
// same strip.
TEST_F(VelvetLibrary, FacesShowTheirSuitColourAndLargeOnesTheirRankInTheCoveredStrip)
{
    constexpr int Strip = 18;
    constexpr int Outline = 2;
    std::set<QByteArray> strips;
    for (const Picture& picture : allPictures()) {
        if (!picture.isFace())
            continue;
        SCOPED_TRACE(::testing::Message() << picture);
        const QImage& face = picture.image;
        const QSize corner(face.width() / 3, face.height() / 6);
        const QPoint oppositeCorner(face.width() - corner.width(), face.height() - corner.height());
        for (const QRect& index : {QRect(QPoint(0, 0), corner), QRect(oppositeCorner, corner)}) {
            const Ink ink = inkIn(face, index);
            EXPECT_GT(picture.isRedFace() ? ink.red : ink.black, 20 * picture.scale * picture.scale);
            EXPECT_EQ(picture.isRedFace() ? ink.black : ink.red, 0);
        }
        if ((picture.number - 1) % 13 == 0) {
            const QRgb middle = face.pixel(face.width() / 2, face.height() / 2);
            EXPECT_TRUE(picture.isRedFace() ? isRed(middle) : isBlack(middle));
        }
        const int margin = 6 * picture.scale;
        const QRect opaque = face.rect().adjusted(margin, margin, -margin, -margin);
        for (const QPoint point : {opaque.topLeft(), opaque.topRight(), opaque.bottomLeft(), opaque.bottomRight()})
            EXPECT_EQ(qAlpha(face.pixel(point)), 255);
        if (!picture.large)
            continue;
        const int scale = picture.scale;
        const QRect index(Outline * scale, Outline * scale, face.width() / 2, (Strip - Outline) * scale);
        const Ink inside = inkIn(face, index);
        const Ink below = inkIn(face, QRect(0, Strip * scale, face.width(), 8 * scale));
        EXPECT_GT(inside.red + inside.black, 60 * scale * scale) << picture;
        EXPECT_EQ(below.red + below.black, 0) << picture << " reaches below the strip";
        EXPECT_TRUE(strips.insert(pixelsOf(face.copy(index))).second) << picture;
    }
}

// The pips of a large Heart below its corner indexes, each a patch of red:
// whether it is turned, its point up, read from where its ink lies: an
// upright heart is wider above its middle than below.
std::vector<bool> pipsTurned(const QImage& face)
{
    const QRect field(0, 20, face.width(), face.height() - 40);
    std::vector<bool> turned;
    std::set<std::pair<int, int>> seen;
    for (int y0 = field.top(); y0 <= field.bottom(); ++y0) {
        for (int x0 = 0; x0 < face.width(); ++x0) {
            if (!isRed(face.pixel(x0, y0)) || !seen.insert({x0, y0}).second)
                continue;
            std::vector<QPoint> patch{{x0, y0}};
            int top = y0, bottom = y0;
            double inkRows = 0;
            for (std::size_t next = 0; next < patch.size(); ++next) {
                const QPoint at = patch[next];
                top = std::min(top, at.y());
                bottom = std::max(bottom, at.y());
                inkRows += at.y();
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint near = at + step;
                    if (field.contains(near) && isRed(face.pixel(near)) && seen.insert({near.x(), near.y()}).second)
                        patch.push_back(near);
                }
            }
            turned.push_back(inkRows / patch.size() > (top + bottom) / 2.0);
        }
    }
    return turned;
}

// A pip below the middle of the card is turned; on the middle row and above
// it stands upright.
TEST_F(VelvetLibrary, NumberCardsShowTheirPipsEachTurnedTheWayItsPlaceWants)
{
    const std::pair<int, int> ranksAndTurned[]
        = {{2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 3}, {9, 4}, {10, 5}};
    for (const auto& [rank, turnedPips] : ranksAndTurned) {
        const std::vector<bool> turned = pipsTurned(decoded(velvetLargeBitmap, rank, 1));
        EXPECT_EQ(turned.size(), std::size_t(rank)) << "pips of the " << rank;
        EXPECT_EQ(std::count(turned.begin(), turned.end(), true), turnedPips) << "turned pips of the " << rank;
    }
}

} // namespace
} // namespace tavolin::cards
