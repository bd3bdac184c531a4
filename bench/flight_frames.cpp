// Saves what the window shows at each frame of a card's flight, on the
// platform the program is started on (under Xvfb: what X shows). The flight
// is the long one from the top of the first Column, position 6, to the
// first Pile. Usage: flight_frames <folder> [large]
#include "dealt_window.h"
#include "table_builder.h"

#include <QDir>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

using namespace tavolin;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: flight_frames <folder> [large]\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    DealtWindow dealt(!arguments.contains(QStringLiteral("large")));
    testing::TableBuilder(dealt.game())
        .column(0, {"KD", "QS", "JD", "10S", "9D", "8S", "AH"}).column(1, {"KH", "QC", "JH"}).column(2, {"KS", "QD"})
        .column(3, {"QH", "JC"}).column(4, {"JS", "10D"}).column(5, {"10H", "9C"}).column(6, {"9H", "8C"})
        .column(7, {"8D", "7S"}).autoMovesOn();
    dealt.game().table.markAllColumnsDirty();
    dealt.table().FormPaint(PaintSender::Other);

    int frame = 0;
    auto save = [&](const char* name) {
        QApplication::sync();
        const QPixmap shot = dealt.window->screen()->grabWindow(dealt.window->winId());
        const QString file = folder.filePath(QString::asprintf(name, frame));
        if (!shot.save(file))
            std::fprintf(stderr, "flight_frames: cannot write %s\n", qPrintable(file));
    };
    save("flight-before.png");
    dealt.clock.onSleep = [&](int) { save("flight-frame-%d.png"); ++frame; };
    dealt.game().AutoMoveToPiles();
    dealt.clock.onSleep = nullptr;
    save("flight-after.png");
    return frame > 0 ? 0 : 1;
}
