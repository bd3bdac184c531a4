#pragma once

#include "velvet_bitmap.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QLibrary>

namespace tavolin::cards::testing {

inline constexpr int FaceCount = 52;
inline constexpr int MarkCount = 4;
inline constexpr int AllPictures = FaceCount + MarkCount;

// Loads the built library by its path for each test and unloads it after.
class VelvetLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        velvetBitmap = reinterpret_cast<VelvetBitmapFunction>(library.resolve(VelvetBitmapSymbol));
        ASSERT_NE(velvetBitmap, nullptr);
    }

    void TearDown() override { library.unload(); }

    // The PNG file of a picture; empty when the library refuses it.
    QByteArray pictureFile(int number, int scale) const
    {
        const unsigned char* data = nullptr;
        int size = 0;
        if (velvetBitmap(number, scale, &data, &size) != 1)
            return {};
        return QByteArray(reinterpret_cast<const char*>(data), size);
    }

    QImage picture(int number, int scale) const
    {
        return QImage::fromData(pictureFile(number, scale), "PNG").convertToFormat(QImage::Format_ARGB32);
    }

    QLibrary library{VELVET_LIBRARY_PATH};
    VelvetBitmapFunction velvetBitmap = nullptr;
};

} // namespace tavolin::cards::testing
