// Saves, in one language, what a translator checks for fit: the texts the
// game draws at fixed places. A dealt game with the move panel, a hint in the
// status bar, a card held over a target (the transfer details and the status
// bar), the transfer's account in the status bar, the four pages of the
// preferences, the statistics, the about box and the calendar.
// Usage: language_shots <folder> <language>
#include "app/player_language.h"
#include "dealt_window.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <optional>

using namespace tavolin;

namespace {

QString folder;

void save(QWidget& widget, const QString& name)
{
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(file))
        std::fprintf(stderr, "language_shots: cannot write %s\n", qPrintable(file));
    std::printf("%s\n", qPrintable(file));
}

void wait(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

// A top card that fits on another Column's top card: picked up and held over it.
std::optional<std::pair<QPoint, QPoint>> aTransfer(const DealtWindow& dealt)
{
    const TableLayout& layout = dealt.window->tableLayout();
    const auto top = [&](int column) {
        const ColumnRec& rec = dealt.game().table.columns[column];
        const int at = rec.topPosition();
        return std::pair(rec.card[at], QPoint(rec.x[at] + layout.CardWidth / 2, rec.y[at] + layout.CardHeight / 2));
    };
    for (int from = 0; from < ColumnCount; ++from)
        for (int to = 0; to < ColumnCount; ++to)
            if (from != to && fits(top(from).first, top(to).first))
                return std::pair(top(from).second, top(to).second);
    return std::nullopt;
}

// A dialog of the window's, saved page by page once it is open, modal or not.
void saveDialog(const DealtWindow& dealt, const char* name, const std::function<void()>& open)
{
    QTimer::singleShot(300, [&dealt, name] {
        auto* dialog = dealt.window->findChild<QDialog*>(QString::fromLatin1(name));
        if (!dialog || !dialog->isVisible())
            return;
        auto* pages = dialog->findChild<QTabWidget*>();
        for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
            if (pages)
                pages->setCurrentIndex(page);
            save(*dialog, QString::fromLatin1(name) + (pages ? QStringLiteral("-%1").arg(page + 1) : QString()));
        }
        dialog->close();
    });
    open();
    wait(500);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: language_shots <folder> <language, such as de_DE>\n");
        return 2;
    }
    folder = arguments[1];
    QDir().mkpath(folder);
    const PlayerLanguage language{QLocale(arguments[2])};

    {
        DealtWindow dealt(false);
        dealt.window->MoveShow1Click();
        save(*dealt.window, QStringLiteral("moves"));
        dealt.window->MoveShow1Click();
        dealt.window->MoveHintClick();
        wait(1500);
        save(*dealt.window, QStringLiteral("hint"));
    }
    // The transfer details take the move panel's place.
    DealtWindow dealt(false, {1280, 1024}, {{"TransferDetails", 1}, {"TransferInfo", 1}, {"TimeDisplay", 0}});
    if (const auto transfer = aTransfer(dealt)) {
        QTest::mouseClick(&dealt.table(), Qt::LeftButton, {}, transfer->first);
        const QString held = dealt.window->statusText(0);
        QTest::mouseMove(&dealt.table(), transfer->second);
        // On X the pointer's move comes back as an event, later on a busy machine.
        for (int waited = 0; waited < 5000 && dealt.window->statusText(0) == held; waited += 100)
            wait(100);
        wait(300);
        save(*dealt.window, QStringLiteral("details"));
        QTest::mouseClick(&dealt.table(), Qt::LeftButton, {}, transfer->second);
        wait(1500);
        save(*dealt.window, QStringLiteral("transfer"));
    }
    saveDialog(dealt, "PrefDlg1", [&] { dealt.window->Pref1DlgClick(); });
    saveDialog(dealt, "Stats1Dlg", [&] { dealt.window->GameStats1Click(); });
    saveDialog(dealt, "AboutBox", [&] { dealt.window->HelpAboutClick(); });
    saveDialog(dealt, "CalendarForm", [&] { dealt.window->ShowDateClick(); });
    return 0;
}
