#include "platform/doubles/fake_card_library.h"

namespace tavolin {

QColor FakeCardLibrary::colourOf(int number)
{
    return QColor(number * 4, 255 - number * 4, (number * 37) % 256);
}

std::set<int> FakeCardLibrary::allNumbers()
{
    std::set<int> numbers;
    for (int number = 1; number <= 56; ++number)
        numbers.insert(number);
    return numbers;
}

bool FakeCardLibrary::load(const QString& name)
{
    ++loadAttempts_;
    loaded_ = loadable_;
    loadedName_ = loaded_ ? name : QString();
    return loaded_;
}

std::optional<QImage> FakeCardLibrary::bitmap(int number, int scale, PictureSize size) const
{
    ++bitmapRequests_;
    const bool large = size == PictureSize::Large;
    if (!loaded_ || !numbers_.contains(number) || (scale != 1 && scale != 2) || (large && number > 52))
        return std::nullopt;
    QImage image((large ? LargeBitmapSize : BitmapSize) * scale, QImage::Format_RGB32);
    image.fill(colourOf(number));
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace tavolin
