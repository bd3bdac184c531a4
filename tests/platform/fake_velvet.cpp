#include "fake_velvet.h"

#include <QBuffer>
#include <QImage>

#include <map>
#include <tuple>

namespace {

QByteArray png(int number, int scale, int shade)
{
    QImage image(fake_velvet::BitmapSize * scale, QImage::Format_RGB32);
    image.fill(fake_velvet::colourOf(number, shade));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

const QByteArray& bitmapBytes(int number, int scale, int shade)
{
    static const QByteArray garbage("\x89PNG\r\n not a picture");
    static std::map<std::tuple<int, int, int>, QByteArray> made;
    if (number == fake_velvet::GarbageNumber)
        return garbage;
    QByteArray& bytes = made[{number, scale, shade}];
    if (bytes.isEmpty())
        bytes = png(number, scale, shade);
    return bytes;
}

int handOut(int number, int scale, int shade, const unsigned char** data, int* size)
{
    if (number < 1 || number > fake_velvet::GarbageNumber || (scale != 1 && scale != 2))
        return 0;
    const QByteArray& bytes = bitmapBytes(number, scale, shade);
    *data = reinterpret_cast<const unsigned char*>(bytes.constData());
    *size = static_cast<int>(bytes.size());
    return 1;
}

} // namespace

extern "C" Q_DECL_EXPORT int velvet_bitmap(int number, int scale, const unsigned char** data, int* size)
{
    return handOut(number, scale, FAKE_VELVET_SHADE, data, size);
}

extern "C" Q_DECL_EXPORT int velvet_large_bitmap(int number, int scale, const unsigned char** data, int* size)
{
    return handOut(number, scale, FAKE_VELVET_SHADE + fake_velvet::LargeShade, data, size);
}
