#pragma once

#include <QColor>
#include <QSize>

// What the stand-in card libraries hold: bitmaps 1 and 2 as small PNG
// pictures of one colour, and number 3 as bytes that are no picture at all;
// the same again as large faces.
namespace fake_velvet {

constexpr QSize BitmapSize{6, 8};
constexpr int GarbageNumber = 3;

// Each build of the library has its own shade, so a test can tell which
// copy was loaded.
constexpr int BesideShade = 10;
constexpr int InstalledShade = 20;
constexpr int InstalledOnlyShade = 30;
// Added to the shade of a large face.
constexpr int LargeShade = 100;

inline QColor colourOf(int number, int shade)
{
    return QColor(40 * number, shade, 200);
}

} // namespace fake_velvet
