// The library as the game sees it: one pair of exported functions, which
// numbers and scales they serve and what they hand back, and the same
// pictures from every build.
#include "velvet_library.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <tuple>

namespace tavolin::cards::testing {
namespace {

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

TEST(VelvetLibraryBuild, ExportsNothingButTheEntryPoints)
{
    const QStringList entryPoints{VelvetBitmapSymbol, VelvetLargeBitmapSymbol};
    EXPECT_EQ(definedDynamicSymbols(VELVET_LIBRARY_PATH), entryPoints);
}

TEST(VelvetLibraryBuild, PainterWritesTheSameSourceEveryRun)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QByteArray first = paintPictureSource(directory.filePath("first.cpp"));
    const QByteArray second = paintPictureSource(directory.filePath("second.cpp"));
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, second);
}

// The bytes are the library's own: asked again, it points at the same ones.
TEST_F(VelvetLibrary, EveryPictureIsAPngOfTheScaledCardSizeHandedOutInPlace)
{
    struct Set {
        VelvetBitmapFunction function;
        int count;
        QSize size;
    };
    for (const Set& set : {Set{velvetBitmap, AllPictures, QSize(72, 96)}, Set{velvetLargeBitmap, FaceCount, QSize(142, 192)}}) {
        for (int scale : {1, 2}) {
            for (int number = 1; number <= set.count; ++number) {
                SCOPED_TRACE(::testing::Message() << number << " at " << scale);
                const unsigned char* data = nullptr;
                const unsigned char* again = nullptr;
                int size = 0;
                int sizeAgain = 0;
                ASSERT_EQ(set.function(number, scale, &data, &size), 1);
                ASSERT_EQ(set.function(number, scale, &again, &sizeAgain), 1);
                EXPECT_EQ(again, data);
                EXPECT_EQ(sizeAgain, size);
                EXPECT_EQ(QImage::fromData(data, size, "PNG").size(), set.size * scale);
            }
        }
    }
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
        EXPECT_EQ((large ? velvetLargeBitmap : velvetBitmap)(number, scale, &data, &size), 0) << number << " at " << scale;
    EXPECT_EQ(velvetBitmap(1, 1, nullptr, &size), 0);
    EXPECT_EQ(velvetBitmap(1, 1, &data, nullptr), 0);
    EXPECT_EQ(velvetBitmap(1, 1, nullptr, nullptr), 0);
    EXPECT_EQ(data, untouched);
    EXPECT_EQ(size, -7);
}

} // namespace
} // namespace tavolin::cards::testing
