#include "fake_velvet.h"
#include "platform/qt_card_library.h"
#include "support/non_files.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

QColor colourOf(const QtCardLibrary& library, int number, PictureSize size = PictureSize::Small)
{
    const auto image = library.bitmap(number, 1, size);
    return image ? image->pixelColor(0, 0) : QColor();
}

TEST(CardLibrary, LoadsByBareNameFromBesideTheProgramFirstThenFromTheInstalledLayout)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    EXPECT_TRUE(library.isLoaded());
    // The installed layout holds a copy of another shade: it must not win.
    EXPECT_EQ(colourOf(library, 2), fake_velvet::colourOf(2, fake_velvet::BesideShade));
    EXPECT_EQ(colourOf(library, 2, PictureSize::Large),
              fake_velvet::colourOf(2, fake_velvet::BesideShade + fake_velvet::LargeShade));

    ASSERT_TRUE(library.load(QStringLiteral("installedvelvet")));
    EXPECT_EQ(colourOf(library, 1), fake_velvet::colourOf(1, fake_velvet::InstalledOnlyShade));
}

TEST(CardLibrary, BitmapsComeAtTheirScaleOrNotAtAll)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    const auto single = library.bitmap(1, 1);
    const auto doubled = library.bitmap(1, 2);
    ASSERT_TRUE(single && doubled);
    EXPECT_EQ(single->size(), fake_velvet::BitmapSize);
    EXPECT_EQ(doubled->size(), fake_velvet::BitmapSize * 2);
    EXPECT_EQ(doubled->deviceIndependentSize(), QSizeF(fake_velvet::BitmapSize));

    EXPECT_FALSE(library.bitmap(4).has_value()) << "a number the library does not hold";
    EXPECT_FALSE(library.bitmap(1, 3).has_value()) << "a scale the library does not offer";
    EXPECT_FALSE(library.bitmap(fake_velvet::GarbageNumber).has_value()) << "bytes that do not decode";
}

TEST(CardLibrary, MissingForeignOrUnloadedLibraryGivesNoBitmaps)
{
    QtCardLibrary library;
    EXPECT_FALSE(library.load(QStringLiteral("notacardlibrary"))) << "loads, but has no velvet_bitmap";
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    library.unload();
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.bitmap(1).has_value());

    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    EXPECT_FALSE(library.load(QStringLiteral("nosuchvelvet"))) << "and the library loaded before is dropped";
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.bitmap(1).has_value());
}

// Something named like the library beside the program that is no library
// file is passed over for the copy where the install puts it.
TEST(CardLibrary, NoFileBesideTheProgramHoldsTheLoadingUp)
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/libinstalledvelvet.so");
    for (const char* kind : testing::NonFileKinds) {
        SCOPED_TRACE(kind);
        ASSERT_TRUE(testing::makeNonFile(kind, beside));
        testing::expectInTime([] {
            QtCardLibrary library;
            ASSERT_TRUE(library.load(QStringLiteral("installedvelvet")));
            EXPECT_EQ(colourOf(library, 1), fake_velvet::colourOf(1, fake_velvet::InstalledOnlyShade));
        });
        testing::removeNonFile(beside);
    }
}

} // namespace
} // namespace tavolin
