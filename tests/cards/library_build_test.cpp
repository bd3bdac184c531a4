// How the library is built: one exported name, and the same pictures from
// every build.

#include "velvet_library.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

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

TEST_F(VelvetLibrary, InternalTablesCannotBeLookedUp)
{
    EXPECT_EQ(library.resolve("_ZN7tavolin5cards12PictureBytesE"), nullptr);
    EXPECT_EQ(library.resolve("_ZN7tavolin5cards12PictureSpansE"), nullptr);
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

} // namespace
} // namespace tavolin::cards::testing
