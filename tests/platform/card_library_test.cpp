#include "fake_velvet.h"
#include "platform/qt_card_library.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(CardLibrary, LoadsByBareNameFromBesideTheProgramFirst)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    EXPECT_TRUE(library.isLoaded());

    const auto image = library.bitmap(2);
    ASSERT_TRUE(image.has_value());
    // The installed layout holds a copy of another shade: it must not win.
    EXPECT_EQ(image->pixelColor(0, 0), fake_velvet::colourOf(2, fake_velvet::BesideShade));
}

TEST(CardLibrary, FallsBackToTheInstalledLayout)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("installedvelvet")));
    const auto image = library.bitmap(1);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixelColor(0, 0), fake_velvet::colourOf(1, fake_velvet::InstalledOnlyShade));
}

TEST(CardLibrary, BitmapCarriesItsScale)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));

    const auto single = library.bitmap(1, 1);
    const auto doubled = library.bitmap(1, 2);
    ASSERT_TRUE(single && doubled);
    EXPECT_EQ(single->size(), fake_velvet::BitmapSize);
    EXPECT_EQ(single->devicePixelRatio(), 1.0);
    EXPECT_EQ(doubled->size(), fake_velvet::BitmapSize * 2);
    EXPECT_EQ(doubled->devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled->deviceIndependentSize(), QSizeF(fake_velvet::BitmapSize));
}

TEST(CardLibrary, BitmapsItCannotGiveAreNothing)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    EXPECT_FALSE(library.bitmap(4).has_value()) << "a number the library does not hold";
    EXPECT_FALSE(library.bitmap(1, 3).has_value()) << "a scale the library does not offer";
    EXPECT_FALSE(library.bitmap(fake_velvet::GarbageNumber).has_value()) << "bytes that do not decode";
}

TEST(CardLibrary, MissingOrForeignLibraryDoesNotLoad)
{
    QtCardLibrary library;
    EXPECT_FALSE(library.load(QStringLiteral("nosuchvelvet")));
    EXPECT_FALSE(library.load(QStringLiteral("notacardlibrary"))) << "loads, but has no velvet_bitmap";
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.bitmap(1).has_value());
}

TEST(CardLibrary, UnloadedLibraryGivesNoBitmapsUntilLoadedAgain)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    library.unload();
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.bitmap(1).has_value());

    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    EXPECT_TRUE(library.bitmap(1).has_value());
}

TEST(CardLibrary, FailedLoadDropsTheLibraryLoadedBefore)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("fakevelvet")));
    EXPECT_FALSE(library.load(QStringLiteral("nosuchvelvet")));
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.bitmap(1).has_value());
}

} // namespace
} // namespace tavolin
