#include "main_window.h"

#include "app/clock_format.h"
#include "input/key_map.h"
#include "settings/placement.h"
#include "settings/preferences_dialog.h"

#include "view/artwork.h"
#include "view/menu_accessible.h"
#include "view/side_picture.h"
#include "view/status_panel.h"
#include "view/table_accessible.h"
#include "view/table_view.h"
#include "view/table_words.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

namespace tavolin {

const QString TForm1::ApplicationTitle = QStringLiteral("Tavolin - Velvet Edition, V2.2");
const QString TForm1::Caption = QStringLiteral(" Tavolin - Velvet Edition, V2.2 XP");

TForm1::TForm1(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      store_(platform.registry, platform.messages, this),
      game_(*static_cast<GameEvents*>(this)),
      hand_(game_, *this),
      pointer_(game_, layout_, hand_, *this),
      keyboard_(game_, hand_, [this] { return table_->keyboardCursor(); },
                [this](Place place) { table_->setKeyboardCursor(place); },
                [this](Place place, bool topDown) { table_->announce(cardByCardWords(game_, place, topDown)); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Caption);
    setWindowIcon(applicationIcon());
    resize(600, 596);

    createStatusBar();
    LoadSettings();
    layout_ = TableLayout::forCards(settings_.OrigCardSize);
    installTableAccessibility();
    installMenuAccessibility();
    table_ = new TableView(game_, layout_, platform_.cards, panel_, this);
    setCentralWidget(table_);
    // Every pointer event may change the table: the next game pass reacts.
    table_->onMousePress = [this](Qt::MouseButton button, QPoint at) {
        table_->setKeyboardCursor(std::nullopt);
        syncRuleOptions();
        pointer_.FormMouseDown(button, at);
        scheduleGamePass();
    };
    // Told after the paint that found it, not from inside it.
    table_->setMissingBitmapHandler([this](int number) {
        QTimer::singleShot(0, this, [this, number] {
            platform_.messages.show(this, QStringLiteral("VelvetRes2.DLL"),
                                    tr("Load Error from DLL: Bitmap number %1").arg(number),
                                    MessageIcon::Error, MessageButtons::Ok);
        });
    });
    table_->onMouseMove = [this](QPoint at) {
        syncRuleOptions();
        pointer_.FormMouseMove(at);
    };
    table_->onMouseRelease = [this](Qt::MouseButton button, QPoint at) {
        syncRuleOptions();
        pointer_.FormMouseUp(button, at);
        scheduleGamePass();
    };
    createMenus();
    createButtons();
    fitCardsToScreen();
    createTimers();
    setUpKeyboard();
    applyPlacement();
    LayoutTable();

    game_.table.pileSuit = settings_.PileSuit;
    game_.ResetTable();
    table_->setPileMarks(pileMarkNumbers());
    updateCommands();

    // The card library is loaded at the first idle moment, after the window is up.
    QTimer::singleShot(0, this, &TForm1::ApplicationIdle);
}

TForm1::~TForm1()
{
    // Released only now, so that no paint can reach an unloaded library.
    platform_.cards.unload();
}

void TForm1::createMenus()
{
    auto addCommand = [this](QMenu* menu, const char* name, const QString& text, const QString& hint,
                             void (TForm1::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(hint);
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* gameMenu = menuBar()->addMenu(tr("&Game"));
    gameMenu->setObjectName(QStringLiteral("GameMenu1"));
    NewGame1 = addCommand(gameMenu, "NewGame1", tr("&New game"), tr("Start a new game"), &TForm1::NewGame1Click);
    NewGame1->setShortcut(keys::NewGame);
    FinishGame1
        = addCommand(gameMenu, "FinishGame1", tr("&Finish game"), tr("Finish current game"), &TForm1::FinishGame1Click);
    gameMenu->addSeparator();
    GameStats1 = addCommand(gameMenu, "GameStats1", tr("&Statistics"), tr("Inspect or correct statistics"),
                            &TForm1::GameStats1Click);
    GamePref1 = addCommand(gameMenu, "GamePref1", tr("&Preferences"), tr("Choose from preferences offered"),
                           &TForm1::Pref1DlgClick);
    gameMenu->addSeparator();
    GameExit1
        = addCommand(gameMenu, "GameExit1", tr("E&xit"), tr("Close application window, exit."), &TForm1::GameExitClick);
    GameExit1->setShortcut(keys::Exit);

    QMenu* moveMenu = menuBar()->addMenu(tr("&Move"));
    moveMenu->setObjectName(QStringLiteral("MoveMenu1"));
    MoveUndo1 = addCommand(moveMenu, "MoveUndo1", tr("&Undo Move"), tr("Undo latest move"), &TForm1::MoveUndo1Click);
    MoveUndo1->setShortcut(keys::UndoMove);
    MoveShow1 = addCommand(moveMenu, "MoveShow1", tr("&Show Moves"), tr("Toggles information on possible moves"),
                           &TForm1::MoveShow1Click);

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("HelpMenu1"));
    HelpAbout1 = addCommand(helpMenu, "HelpAbout1", tr("&About this Game"), tr("Displays application info"),
                            &TForm1::HelpAboutClick);
    HelpDate = addCommand(helpMenu, "HelpDate", tr("Show &Date"), tr("Displays a calendar"), &TForm1::ShowDateClick);
    helpMenu->addSeparator();
    HowToPlay1 = addCommand(helpMenu, "HowToPlay1", tr("&How to Play"), tr("Explains the game, its keys and panels"),
                            &TForm1::HowToPlay1Click);
    HowToPlay1->setShortcut(keys::HowToPlay);
    // A held-down shortcut acts once.
    for (QAction* action : {NewGame1, GameExit1, MoveUndo1, HowToPlay1})
        action->setAutoRepeat(false);

    createDealCommands(gameMenu, moveMenu);
}

void TForm1::createButtons()
{
    BitBtn1 = new QPushButton(table_);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(228, 25, 41, 41);
    BitBtn1->setIconSize(QSize(37, 37));
    BitBtn1->setIcon(tableButtonIcon(BitBtn1->iconSize()));
    // Reached with Tab, never taken by a click: the table keeps the keys.
    BitBtn1->setFocusPolicy(Qt::TabFocus);
    BitBtn1->setAccessibleName(tr("Finish game"));
    BitBtn1->setToolTip(tr("Finish the game, or clear the table"));
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);

    auto makeButton = [this](const char* name, const QString& text, QPoint at) {
        auto* button = new QPushButton(text, table_);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(QRect(at, QSize(68, 28)));
        button->setFocusPolicy(Qt::TabFocus);
        button->hide();
        return button;
    };
    UndoBtn1 = makeButton("UndoBtn1", tr("Undo"), QPoint(364, 33));
    ShowBtn1 = makeButton("ShowBtn1", tr("Show"), QPoint(364, 72));
    connect(UndoBtn1, &QPushButton::clicked, this, &TForm1::UndoBtn1Click);
    connect(ShowBtn1, &QPushButton::clicked, this, &TForm1::ShowBtn1Click);
}

void TForm1::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    QFont font = bar->font();
    font.setBold(false);
    bar->setFont(font);
    const int widths[] = {260, 260, 260, 20};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new StatusPanel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // A fixed size keeps a new text, such as the clock's every second,
        // from laying the whole bar out again.
        panel->setFixedSize(widths[i], panel->fontMetrics().height());
        panel->setAlignment((i == 1 || i == 2 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        bar->addWidget(panel);
        panels_[i] = panel;
    }
}

void TForm1::createTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    gamePassTimer_ = new QTimer(this);
    gamePassTimer_->setSingleShot(true);
    gamePassTimer_->setInterval(0);
    connect(gamePassTimer_, &QTimer::timeout, this, &TForm1::gamePass);
}

std::array<int, 4> TForm1::pileMarkNumbers() const
{
    std::array<int, 4> marks{};
    for (int i = 0; i < 4; ++i)
        marks[i] = pileMarkImageNumber(game_.table.pileSuit[i]);
    return marks;
}

void TForm1::LoadSettings()
{
    const QSize screen = platform_.environment.screenResolution();
    screenClass_ = screenClass(screen);
    setStatusText(0, tr(" Dir: ") + platform_.environment.currentDirectory());
    settings_ = store_.readAtStart(screen);
    syncRuleOptions();
}

// The stored bounds are the window's outer ones. Before the window is shown
// its frame is not known; once it is, the size is corrected for it.
void TForm1::applyPlacement()
{
    const QSize minimum(layout_.minimumWindowWidth(), minimumSizeHint().height());
    const Settings onScreen = placementOnScreen(settings_, platform_.environment.availableArea(), minimum);
    placementMoved_ = onScreen != settings_;
    settings_ = onScreen;
    const StartupPlacement placement = placementToApply(settings_);
    placedOuter_ = placement.bounds;
    if (placement.bounds) {
        move(placement.bounds->topLeft());
        resize(clientSizeFor(placement.bounds->size(), frameMargins(geometry(), frameGeometry())));
    }
    if (placement.normalState)
        setWindowState(Qt::WindowNoState);
    game_.options.DetailsColumnLimit = detailsColumnLimit(screenClass_, height());
}

// The large cards only where the whole table fits the screen: elsewhere the
// small ones serve this run, and the stored choice waits for a larger screen.
void TForm1::fitCardsToScreen()
{
    if (settings_.OrigCardSize)
        return;
    TableLayout large = layout_;
    large.layoutTable(BitBtn1->size(), table_->size());
    const int available = platform_.environment.availableArea().width();
    if (large.minimumWindowWidth() <= available)
        return;
    // One sentence, which the box wraps evenly at its own width.
    smallCardsTold_ = tr("The large cards need a screen at least %1 pixels wide, "
                          "and this one is %2 pixels wide: the small cards are used.")
                          .arg(large.minimumWindowWidth())
                          .arg(available);
    layout_ = TableLayout::forCards(true);
}

void TForm1::placeCommandButtons()
{
    const TableLayout::CommandButtons places = layout_.commandButtonPlaces(UndoBtn1->size(), BitBtn1->size());
    UndoBtn1->move(places.undo);
    ShowBtn1->move(places.show);
}

void TForm1::LayoutTable()
{
    if (!table_)
        return;
    layout_.layoutTable(BitBtn1->size(), table_->size());
    if (width() < layout_.minimumWindowWidth())
        resize(layout_.minimumWindowWidth(), height());
    BitBtn1->move(layout_.tableButtonPos);
    placeCommandButtons();
    game_.geometry = layout_;
    const QSize outer = frameGeometry().size();
    setStatusText(2, tr("Main form: %1 x %2 pixels").arg(outer.width()).arg(outer.height()));
}

void TForm1::PlacePanel()
{
    UndoBtn1->hide();
    ShowBtn1->hide();
    layout_.placePanel(screenClass_, height());
    game_.options.PanelLineLimit = layout_.PanelLineLimit;
    panel_.resize(layout_.panelSize(), devicePixelRatioF());
    ClearPanel();
    placeCommandButtons();
    if (game_.flags.gameInPlay || prefsChanged)
        RefreshSideWindow();
}

void TForm1::SaveWindowPlacement()
{
    const QRect outer = frameGeometry();
    settings_ = placementToSave(settings_, {isMinimized(), isMaximized(), outer.top(), outer.left(),
                                            outer.width(), outer.height()});
    store_.savePlacement(settings_);
}

// The frame a window manager puts round the window is known only once the
// window is on the screen: then the stored outer size is given again.
void TForm1::fitPlacementToFrame()
{
    if (!placedOuter_)
        return;
    const QMargins frame = frameMargins(geometry(), frameGeometry());
    if (frame.isNull())
        return;
    resize(clientSizeFor(placedOuter_->size(), frame));
    placedOuter_.reset();
}

QString TForm1::statusText(int panel) const
{
    return panels_.at(panel)->text();
}

void TForm1::setStatusText(int panel, const QString& text)
{
    if (panel < 0 || panel >= int(panels_.size()))
        return;
    panels_[panel]->showText(text);
    // The hint's two halves go together: a menu's hint or the number of
    // cards over the first takes the second with it.
    if (panel == 0 && hintHalves_ && text != hintHalves_->what)
        forgetHintHalves();
}

void TForm1::updateCommands()
{
    const GameFlags& flags = game_.flags;
    MoveUndo1->setEnabled(flags.undoEnabled);
    UndoBtn1->setEnabled(flags.undoEnabled);
    MoveShow1->setEnabled(flags.showEnabled);
    ShowBtn1->setEnabled(flags.showEnabled);
    FinishGame1->setEnabled(flags.finishEnabled);
    RestartDeal1->setEnabled(dealNumber_.has_value());
    MoveHint1->setEnabled(flags.gameInPlay);
    LosingMove1->setEnabled(!flags.gameInPlay && record_.hasEnded());
}

bool TForm1::ask(const QString& caption, const QString& text)
{
    return platform_.messages.show(this, caption, text, MessageIcon::Question, MessageButtons::YesNo)
        == MessageAnswer::Yes;
}

// "<what><time> hrs." with the time in the player's language's long format,
// on the 24-hour clock and less the zone name, which a time of day has not.
QString TForm1::timeOfDayText(const QString& what, QTime time) const
{
    return what + time.toString(clockFormat(QLocale())) + tr(" hrs.");
}

void TForm1::showPlayingTime(QTime until)
{
    if (!playingTimeWords_)
        playingTimeWords_.emplace(tr("Playing Time: mins "), tr(" secs"));
    const int elapsed = playingMilliseconds(GameStartTime, until);
    const auto shown = [this](int milliseconds) {
        return playingTimeWords_->first + playingTimeText(milliseconds) + playingTimeWords_->second;
    };
    setStatusText(2, shown(elapsed));
    // The game's first second draws its first minute ahead.
    if (elapsed < 2000) {
        QStringList minute;
        for (int second = 1; second <= 60; ++second)
            minute.push_back(shown(elapsed + second * 1000));
        panels_[2]->drawAhead(minute);
    }
}

// ---- Window events --------------------------------------------------------

bool TForm1::event(QEvent* event)
{
    // Menu hints go to the first status panel instead of over the whole bar.
    if (event->type() == QEvent::StatusTip) {
        setStatusText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    // Another window may cover the side picture: the next paint draws it again.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        table_->SidePictureShown = false;
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        RefreshSideWindow();
    QMainWindow::changeEvent(event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    PlacePanel();
}

void TForm1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    fitPlacementToFrame();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ResizePending = true;
    LayoutTable();
    // The side window follows once the resizing has settled.
    QTimer::singleShot(0, this, &TForm1::ApplicationIdle);
}

void TForm1::FormActivate()
{
    if (PrefDlg1)
        PrefDlg1->hide();
    if (screenClass_ == 0) {
        platform_.messages.show(this, tr(" Card Table Control"),
                                tr("This program requires a screen resolution of \n"
                                   "at least 800 x 600, or 1024 x 768 pixels."),
                                MessageIcon::None, MessageButtons::Ok);
        close();
        return;
    }
    if (game_.flags.gameInPlay || prefsChanged)
        RefreshSideWindow();
}

void TForm1::ApplicationIdle()
{
    if (!libraryTried_) {
        libraryTried_ = true;
        // What the start corrected and the window's move, in one write, once
        // the window is up: a crash before it loses only what the next start
        // derives again.
        store_.storeAtStart(settings_, placementMoved_);
        if (!smallCardsTold_.isEmpty())
            platform_.messages.show(this, tr(" Card Table Control"), smallCardsTold_,
                                    MessageIcon::Information, MessageButtons::Ok);
        if (platform_.cards.load(QStringLiteral("velvetres2"))) {
            setStatusText(1, tr(" Library used: VelvetRes2.DLL"));
        } else {
            platform_.messages.show(this, tr(" DLL Load Error"),
                                    tr(" Unable to load 'VelvetRes2.DLL'."),
                                    MessageIcon::Error, MessageButtons::Ok);
            const QString directory = platform_.environment.currentDirectory();
            if (!directory.isEmpty())
                platform_.messages.show(this, tr(" Current Directory"), directory,
                                        MessageIcon::None, MessageButtons::Ok);
        }
        table_->FormPaint(PaintSender::Other);
    }
    if (ResizePending) {
        ResizePending = false;
        RefreshSideWindow();
    }
    updateCommands();
}

// The side window shows the player's picture only once its path has been
// confirmed in this run; a picture from an earlier run waits for that. A
// picture that cannot be loaded again leaves the side window as it was.
void TForm1::RefreshSideWindow()
{
    if (settings_.ShowPicture && !PicturePathVerified)
        settings_.ShowPicture = false;
    if (!settings_.ShowPicture) {
        table_->setSidePicture(nullptr);
        SidePicture = QImage();
        table_->clearSideWindow();
        table_->SidePictureShown = false;
        return;
    }
    const QSize side(std::max(1, layout_.SideWidth), std::max(1, layout_.SideHeight));
    QImage loaded = loadSidePicture(settings_.SWBmpPath, side * devicePixelRatioF());
    if (loaded.isNull()) {
        if (sidePictureFailure_ != settings_.SWBmpPath)
            platform_.messages.show(this, tr(" Load Error"),
                                    tr("Unable to load side-window Bitmap."), MessageIcon::Error,
                                    MessageButtons::Ok);
        sidePictureFailure_ = settings_.SWBmpPath;
        return;
    }
    sidePictureFailure_.clear();
    SidePicture = std::move(loaded);
    table_->setSidePicture(&SidePicture);
    if (prefsChanged && table_->SidePictureShown)
        table_->clearSideWindow();
    table_->SidePictureShown = false;
    table_->FormPaint(PaintSender::Other);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    store_.beginQuit();
    SaveWindowPlacement();
    if (!confirmQuit()) {
        store_.cancelQuit();
        event->ignore();
        return;
    }
    // The last write may wait for another copy of the game: the window is gone meanwhile.
    hide();
    store_.finishQuit();
    event->accept();
}

} // namespace tavolin
