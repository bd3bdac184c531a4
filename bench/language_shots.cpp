// Pictures of what a player meets, in the language of the environment (LANG,
// LANGUAGE) as the game itself takes it: the whole screen, with whatever
// window manager draws the title bars, for each scene below. Every box or
// dialog that opens during a scene is pictured too, then answered Yes or OK.
// The game runs on the machine's own services, its settings in a scratch
// folder made anew for each scene, the cards at full speed.
// Usage: language_shots <folder> [large]   (large: the large cards asked for)
#include "app/main_window.h"
#include "app/player_language.h"
#include "platform/qt_card_library.h"
#include "platform/qt_environment.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_registry.h"
#include "platform/system_clock.h"
#include "table_builder.h"
#include "view/table_view.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

using namespace tavolin;

namespace {

QString folder;
bool largeCards = false;
QString scene;
int boxesShot = 0;

void wait(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

void shoot(const QString& name)
{
    QApplication::processEvents();
    QApplication::sync();
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(file))
        std::fprintf(stderr, "language_shots: cannot write %s\n", qPrintable(file));
    std::printf("%s\n", qPrintable(file));
}

// A box or dialog open under the scene is pictured once it has settled,
// then answered as a player who goes on would.
void answerOpenBox()
{
    static QPointer<QWidget> seen;
    static QElapsedTimer since;
    QWidget* open = QApplication::activeModalWidget();
    if (!open || open->inherits("tavolin::TForm1"))
        return;
    if (open != seen) {
        seen = open;
        since.start();
        return;
    }
    if (since.elapsed() < 500)
        return;
    const QString name = open->objectName().isEmpty() ? QStringLiteral("box") : open->objectName();
    shoot(QStringLiteral("%1-%2-%3").arg(scene, name).arg(++boxesShot));
    if (auto* box = qobject_cast<QMessageBox*>(open))
        (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok))->click();
    else if (auto* dialog = qobject_cast<QDialog*>(open))
        dialog->accept();
    seen = nullptr;
}

// The game's window on the machine's services, with a settings folder of its own.
struct PlayedWindow {
    explicit PlayedWindow(std::initializer_list<std::pair<const char*, int>> stored = {})
    {
        // A first start writes the settings file; the scene's values change it.
        start();
        window.reset();
        const auto key = registry->createKey(QStringLiteral("Software\\Projects\\Tavolin 2.2"), 0);
        key->writeDword(QStringLiteral("OrigCardSize"), largeCards ? 0 : 1);
        key->writeDword(QStringLiteral("SpeedSlider"), 10);
        for (const auto& [name, value] : stored)
            key->writeDword(QString::fromLatin1(name), value);
        key->commit();
        start();
    }
    void start()
    {
        registry = std::make_unique<QtRegistry>(settings.path());
        platform = std::make_unique<Platform>(Platform{*registry, messages, clock, environment, cards});
        window = std::make_unique<TForm1>(*platform);
        environment.setWindow(window.get());
        window->show();
        window->activateWindow();
        wait(800);
    }
    ~PlayedWindow()
    {
        if (window->game().flags.gameInPlay)
            window->FinishGame1Click();
        wait(300);
    }

    TableView& table() const { return *static_cast<TableView*>(window->centralWidget()); }
    void deal(std::uint32_t number)
    {
        window->startDeal(number);
        wait(600);
    }
    // The play keys, one character each, as a player types them.
    void type(const char* keys)
    {
        for (const char* key = keys; *key; ++key) {
            QTest::keyClick(&table(), *key);
            wait(350);
        }
    }

    QTemporaryDir settings;
    std::unique_ptr<QtRegistry> registry;
    QtMessageBoxes messages;
    SystemClock clock;
    QtEnvironment environment;
    QtCardLibrary cards;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<TForm1> window;
};

void run(const char* name, const std::function<void()>& play)
{
    scene = QString::fromLatin1(name);
    boxesShot = 0;
    play();
}

// A non-modal dialog of the window's: every page of it, then closed.
void shootDialog(const PlayedWindow& game, const char* name)
{
    auto* dialog = game.window->findChild<QDialog*>(QString::fromLatin1(name));
    if (!dialog || !dialog->isVisible())
        return;
    auto* pages = dialog->findChild<QTabWidget*>();
    for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
        if (pages)
            pages->setCurrentIndex(page);
        wait(200);
        shoot(QStringLiteral("%1-%2").arg(scene).arg(page + 1));
    }
    dialog->close();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2 || arguments.size() > 3 || (arguments.size() == 3 && arguments[2] != u"large")) {
        std::fprintf(stderr, "usage: language_shots <folder> [large]\n");
        return 2;
    }
    folder = arguments[1];
    largeCards = arguments.size() == 3;
    QDir().mkpath(folder);
    const PlayerLanguage language;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, &answerOpenBox);
    boxes.start(100);

    run("deal", [] {
        PlayedWindow game;
        game.deal(6);
        shoot(scene);
    });
    // The deal and keys of the issues that found a text cut or left behind.
    run("hint", [] {
        PlayedWindow game;
        game.deal(6);
        game.type("8a7b787hb7176h1b");
        game.window->MoveHintClick();
        wait(1500);
        shoot(scene);
    });
    run("moves", [] {
        PlayedWindow game;
        game.deal(6);
        game.window->MoveShow1Click();
        game.type("2d8b4a6c");
        shoot(scene);
    });
    run("lost", [] {
        PlayedWindow game;
        game.deal(6);
        game.window->MoveShow1Click();
        game.type("8c8b2d5a3617");
        wait(1500);
        shoot(scene);
    });
    // Deal 3 lost at its seventh transfer: the warning in the status bar,
    // then the game finished and its losing move asked for.
    run("losing", [] {
        PlayedWindow game({{"WarnLosingMove", 1}});
        game.deal(3);
        game.type("5a4b8c8h58364d");
        wait(2000);
        shoot(scene);
        game.window->FinishGame1Click();
        wait(1000);
        game.window->LosingMoveClick();
        wait(5000);
    });
    // A Column of 13 cards pushes the move panel down; a Deck goes to an
    // empty Column and the game asks whether more than one card should.
    run("long-column", [] {
        PlayedWindow game;
        game.deal(6);
        testing::TableBuilder(game.window->game())
            .column(0, {"2H", "KD", "QS", "JD", "10S", "9D", "8S", "7D", "6S", "5D", "4S", "3D", "2S"})
            .column(1, {"KH", "QC", "JH", "2D"}).column(2, {"KS", "QD", "3C"}).column(3, {"QH", "JC", "10H"})
            .column(4, {"JS", "10D", "9C"}).column(5, {"10C", "9H", "8C", "7H", "6C"})
            .column(6, {"9S", "8D", "7C", "6D"}).room(0, "KC").room(1, "8H").room(2, "7S").autoMovesOn();
        game.window->game().table.markAllColumnsDirty();
        game.table().FormPaint(PaintSender::Other);
        game.window->MoveShow1Click();
        wait(500);
        shoot(scene);
        game.type("68");
        wait(500);
        shoot(scene + QStringLiteral("-moved"));
    });
    // The transfer details take the move panel's place; the status bar tells the transfer.
    run("details", [] {
        PlayedWindow game({{"TransferDetails", 1}, {"TransferInfo", 1}, {"TimeDisplay", 0}});
        game.deal(6);
        const TableLayout& layout = game.window->tableLayout();
        const auto top = [&](int column) {
            const ColumnRec& rec = game.window->game().table.columns[column];
            const int at = rec.topPosition();
            return std::pair(rec.card[at], QPoint(rec.x[at] + layout.CardWidth / 2, rec.y[at] + layout.CardHeight / 2));
        };
        for (int from = 0; from < ColumnCount; ++from)
            for (int to = 0; to < ColumnCount; ++to)
                if (from != to && fits(top(from).first, top(to).first)) {
                    QTest::mouseClick(&game.table(), Qt::LeftButton, {}, top(from).second);
                    QTest::mouseMove(&game.table(), top(to).second);
                    wait(1500);
                    shoot(scene);
                    QTest::mouseClick(&game.table(), Qt::LeftButton, {}, top(to).second);
                    wait(1000);
                    shoot(scene + QStringLiteral("-done"));
                    return;
                }
    });
    run("dialogs", [] {
        PlayedWindow game;
        game.deal(6);
        scene = QStringLiteral("preferences");
        game.window->Pref1DlgClick();
        wait(500);
        shootDialog(game, "PrefDlg1");
        scene = QStringLiteral("help");
        game.window->HowToPlay1Click();
        wait(500);
        shootDialog(game, "HowToPlay");
        scene = QStringLiteral("dialogs");
        for (const auto open : {&TForm1::GameStats1Click, &TForm1::HelpAboutClick, &TForm1::ShowDateClick,
                                &TForm1::DealByNumberClick})
            (game.window.get()->*open)();
    });
    return 0;
}
