#include "platform/qt_card_library.h"

#include "platform/regular_file.h"

#include <QCoreApplication>

namespace tavolin {
namespace {

QStringList places(const QString& name)
{
    QStringList fileNames;
    if (QCoreApplication::instance()) {
        const QString programDir = QCoreApplication::applicationDirPath();
        const QString fileName = QStringLiteral("lib") + name + QStringLiteral(".so");
        // Beside the program in the build tree; where `cmake --install` puts it otherwise.
        fileNames << programDir + u'/' + fileName
                  << programDir + QStringLiteral("/" TAVOLIN_CARD_DIR_FROM_BIN "/") + fileName;
    }
    return fileNames;
}

} // namespace

QtCardLibrary::~QtCardLibrary()
{
    unload();
}

bool QtCardLibrary::load(const QString& name)
{
    unload();
    // The system's loader waits for ever on a named pipe in the library's
    // place: beside the program only a regular file is handed to it. The bare
    // name, last, is for the system's search through its own folders.
    for (const QString& fileName : places(name)) {
        if (isReadableRegularFile(fileName) && loadFrom(fileName))
            return true;
    }
    return loadFrom(name);
}

bool QtCardLibrary::loadFrom(const QString& fileName)
{
    library_.setFileName(fileName);
    if (!library_.load())
        return false;
    bitmapFunction_ = reinterpret_cast<BitmapFunction>(library_.resolve("velvet_bitmap"));
    // A library without large faces still serves the small cells.
    largeBitmapFunction_ = reinterpret_cast<BitmapFunction>(library_.resolve("velvet_large_bitmap"));
    if (!bitmapFunction_)
        library_.unload();
    return bitmapFunction_ != nullptr;
}

void QtCardLibrary::unload()
{
    if (!bitmapFunction_)
        return;
    bitmapFunction_ = nullptr;
    largeBitmapFunction_ = nullptr;
    library_.unload();
}

std::optional<QImage> QtCardLibrary::bitmap(int number, int scale, PictureSize pictureSize) const
{
    const BitmapFunction function = pictureSize == PictureSize::Large ? largeBitmapFunction_ : bitmapFunction_;
    const unsigned char* data = nullptr;
    int size = 0;
    if (!function || !function(number, scale, &data, &size) || !data || size <= 0)
        return std::nullopt;
    QImage image = QImage::fromData(data, size, "PNG");
    if (image.isNull())
        return std::nullopt;
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace tavolin
