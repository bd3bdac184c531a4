// Saves the whole screen with the game's window on it, a position laid out
// whose first Column is long enough to reach the place of the panel below
// the Columns, and the move panel shown. On the platform the program is
// started on (under Xvfb: what X shows; with QT_SCALE_FACTOR=2, at pixel
// ratio 2). Usage: table_shots <file.png> <width>x<height> small|large
#include "dealt_window.h"
#include "table_builder.h"

#include <QPixmap>
#include <QScreen>

#include <cstdio>

using namespace tavolin;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QStringList size = arguments.value(2).split(QLatin1Char('x'));
    if (arguments.size() != 4 || size.size() != 2) {
        std::fprintf(stderr, "usage: table_shots <file.png> <width>x<height> small|large\n");
        return 2;
    }
    const bool smallCards = arguments[3] == QStringLiteral("small");
    DealtWindow dealt(smallCards, QSize(size[0].toInt(), size[1].toInt()));
    testing::TableBuilder(dealt.game())
        .column(0, {"KD", "QS", "JD", "10S", "9D", "8S", "7D", "6S", "5D", "4S", "3D"})
        .column(1, {"KH", "QC", "JH", "2S"}).column(2, {"KS", "QD", "AH"}).column(3, {"QH", "JC", "10H"})
        .column(4, {"JS", "10D", "9C"}).column(5, {"10C", "9H", "8C", "7H"}).column(6, {"9S", "8D", "7C"})
        .column(7, {"8H", "7S", "6D"}).room(0, "KC").autoMovesOn();
    dealt.game().table.markAllColumnsDirty();
    dealt.table().FormPaint(PaintSender::Other);
    dealt.window->MoveShow1Click();
    QApplication::processEvents();
    QApplication::sync();
    const QPixmap shot = dealt.window->screen()->grabWindow(0);
    if (!shot.save(arguments[1])) {
        std::fprintf(stderr, "table_shots: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
