#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace tavolin {

// The small pictures (72 × 96) are every face and Pile mark; the large ones
// (142 × 192) are faces of their own design for the enlarged cells.
enum class PictureSize { Small, Large };

// A picture library loaded at run time by name, handing out numbered bitmaps.
class CardLibrary {
public:
    virtual ~CardLibrary() = default;

    // Loads the library by its bare name ("velvetres2"): beside the executable
    // first, then through the system's library search.
    virtual bool load(const QString& name) = 0;
    virtual bool isLoaded() const = 0;
    virtual void unload() = 0;
    // Bitmap number n, rendered for the given device pixel ratio (1 or 2);
    // nullopt when the library does not hold it or it cannot be read.
    virtual std::optional<QImage> bitmap(int number, int scale = 1, PictureSize size = PictureSize::Small) const = 0;
};

} // namespace tavolin
