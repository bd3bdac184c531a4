#pragma once

#include "velvet_bitmap.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QLibrary>

#include <vector>

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
        velvetLargeBitmap = reinterpret_cast<VelvetBitmapFunction>(library.resolve(VelvetLargeBitmapSymbol));
        ASSERT_NE(velvetLargeBitmap, nullptr);
    }

    void TearDown() override { library.unload(); }

    // The PNG file of a picture; empty when the library refuses it.
    static QByteArray pictureFile(VelvetBitmapFunction function, int number, int scale)
    {
        const unsigned char* data = nullptr;
        int size = 0;
        if (function(number, scale, &data, &size) != 1)
            return {};
        return QByteArray(reinterpret_cast<const char*>(data), size);
    }

    static QImage decoded(const QByteArray& file)
    {
        return QImage::fromData(file, "PNG").convertToFormat(QImage::Format_ARGB32);
    }

    QImage picture(int number, int scale) const { return decoded(pictureFile(velvetBitmap, number, scale)); }
    QImage largeFace(int number, int scale) const { return decoded(pictureFile(velvetLargeBitmap, number, scale)); }

    // Every face picture the library offers: small faces, then large ones.
    std::vector<QImage> allFaces(int scale) const
    {
        std::vector<QImage> faces;
        for (int number = 1; number <= FaceCount; ++number)
            faces.push_back(picture(number, scale));
        for (int number = 1; number <= FaceCount; ++number)
            faces.push_back(largeFace(number, scale));
        return faces;
    }

    QLibrary library{VELVET_LIBRARY_PATH};
    VelvetBitmapFunction velvetBitmap = nullptr;
    VelvetBitmapFunction velvetLargeBitmap = nullptr;
};

} // namespace tavolin::cards::testing
