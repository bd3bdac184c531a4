// Build tool: writes the program's icon for the desktop into an icon theme
// folder: <folder>/<n>x<n>/apps/tavolin.png for each size given, and
// <folder>/scalable/apps/tavolin.svg.
#include "view/artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s THEME_FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool written = writeFile(folder + QStringLiteral("/scalable/apps/tavolin.svg"), tavolin::applicationIconSvg());
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString path = folder + QStringLiteral("/%1x%1/apps/tavolin.png").arg(size);
        written = size > 0 && QDir().mkpath(QFileInfo(path).path())
                  && tavolin::applicationIconImage(size).save(path, "PNG") && written;
    }
    if (!written)
        std::fprintf(stderr, "%s: could not write the icons into %s\n", argv[0], argv[1]);
    return written ? 0 : 1;
}
