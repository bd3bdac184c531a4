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

// One picture the library offers, decoded.
struct Picture {
    int number;
    bool large;
    int scale;
    QImage image;

    bool isFace() const { return number <= FaceCount; }
    bool isRedFace() const { return number <= 26; }
};

inline std::ostream& operator<<(std::ostream& out, const Picture& picture)
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

private:
    static QImage decoded(VelvetBitmapFunction function, int number, int scale)
    {
        const unsigned char* data = nullptr;
        int size = 0;
        if (function(number, scale, &data, &size) != 1)
            return {};
        return QImage::fromData(data, size, "PNG").convertToFormat(QImage::Format_ARGB32);
    }
};

} // namespace tavolin::cards::testing
