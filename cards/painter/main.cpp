// Draws every card picture at both scales and writes them out as a C++
// source for the card library. Usage: velvet_painter <output.cpp>

#include "../picture_table.h"
#include "render.h"
#include "table_source.h"

#include <QGuiApplication>

#include <cstdio>

using namespace tavolin::cards;

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: velvet_painter <output.cpp>\n");
        return 2;
    }
    QList<QByteArray> files;
    for (int scale = 1; scale <= ScaleCount; ++scale) {
        for (int number = 1; number <= PictureCount; ++number)
            files.append(encodePng(renderPicture(number, scale)));
    }
    for (int scale = 1; scale <= ScaleCount; ++scale) {
        for (int number = 1; number <= LargeFaceCount; ++number)
            files.append(encodePng(renderLargeFace(number, scale)));
    }
    if (!writeTableSource(files, arguments[1])) {
        std::fprintf(stderr, "velvet_painter: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
