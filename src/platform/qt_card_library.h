#pragma once

#include "platform/card_library.h"

#include <QLibrary>

namespace tavolin {

// Loads a library that exports
//     extern "C" int velvet_bitmap(int number, int scale,
//                                  const unsigned char** data, int* size);
// which hands out bitmap `number` at `scale` as the bytes of a PNG file, and
// may export velvet_large_bitmap with the same signature for the large faces.
class QtCardLibrary final : public CardLibrary {
public:
    ~QtCardLibrary() override;

    // Beside the executable, then where the install puts it (lib/tavolin),
    // then through the system's search. A library without velvet_bitmap is
    // passed over.
    bool load(const QString& name) override;
    bool isLoaded() const override { return bitmapFunction_ != nullptr; }
    void unload() override;
    std::optional<QImage> bitmap(int number, int scale = 1, PictureSize size = PictureSize::Small) const override;

private:
    using BitmapFunction = int (*)(int, int, const unsigned char**, int*);

    bool loadFrom(const QString& fileName);

    QLibrary library_;
    BitmapFunction bitmapFunction_ = nullptr;
    BitmapFunction largeBitmapFunction_ = nullptr;
};

} // namespace tavolin
