#pragma once

#include "game/game.h"
#include "game/game_record.h"
#include "game/hint_line.h"
#include "game/lost_move.h"
#include "game/table_cards.h"
#include "input/hand.h"
#include "input/keyboard_input.h"
#include "input/pointer_input.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/statistics.h"
#include "view/info_panel.h"
#include "view/layout.h"

#include <QMainWindow>
#include <QImage>
#include <QPointer>
#include <QTime>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QMenu;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace tavolin {

class StatusPanel;
class TableView;
class TAboutBox;
class HowToPlay;
class TCalendarForm;
class TPrefDlg1;
class TStats1Dlg;
class HintSearch;
struct SolverAnswer;

// The program's one main window. It owns the game and wires menus, buttons,
// timers and the status bar to it; the rules live in the game model.
class TForm1 : public QMainWindow, private GameEvents, private PointerFeedback {
    Q_OBJECT

public:
    static const QString ApplicationTitle;
    static const QString Caption;

    explicit TForm1(Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // The commands, public so that tests can drive them as the menus do.
    void NewGame1Click();
    void FinishGame1Click();
    void BitBtn1Click();
    void GameExitClick();
    void GameStats1Click();
    void Pref1DlgClick();
    void HelpAboutClick();
    void ShowDateClick();
    void HowToPlay1Click();
    void MoveUndo1Click();
    void UndoBtn1Click();
    void MoveShow1Click();
    void ShowBtn1Click();
    void Timer1Timer();
    void Timer2Timer();
    void FormActivate();
    void ApplicationIdle();
    void RefreshSideWindow();

    // Deals by number and the hint.
    void RestartDealClick();
    void DealByNumberClick();
    void MoveHintClick();
    // Once a game is lost: the transfer that lost it.
    void LosingMoveClick();
    // Deals game `number`; a game in play is ended first, on the player's
    // Yes to the question, and counted as lost.
    void startDeal(std::uint32_t number);
    // The number as typed: anything but a deal number is refused with a
    // message, and nothing else happens.
    void dealByNumber(const QString& text);
    // The current deal's number, or the last one's once it ended.
    std::optional<std::uint32_t> dealNumber() const { return dealNumber_; }
    QString dealNumberText() const;

    const Game& game() const { return game_; }
    // The table is plain data; a position can be laid out on it directly.
    Game& game() { return game_; }
    const Settings& settings() const { return settings_; }
    const RunTotals& runTotals() const { return run_; }
    const TableLayout& tableLayout() const { return layout_; }
    QString statusText(int panel) const;
    int ScreenClass() const { return screenClass_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // PointerFeedback
    void setPointerShape(PointerShape shape) override;
    void showStatus(int panel, const QString& text) override;
    void showHeldCard() override;
    void heldCardReturned(CardCode card, bool refused) override;
    void heldCardKept(Place place) override;
    void nothingHeld() override;

    // GameEvents
    void showStatus(int panel, const std::string& text) override;
    void showInformation(const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    void animateCardToPile(CardCode card, int fromX, int fromY, int toX, int toY) override;
    void repaintTable() override;
    void resetDetailsPanel() override;
    void showTransferDetails(const TransferDetails& details) override;
    void showMoveDetection(const MovePanel& panel) override;
    void tableRestored() override;
    void transferDone(const Transfer& transfer) override;

    // Keys: the play keys on the table, and the guard every key and
    // shortcut of the window passes first.
    void setUpKeyboard();
    bool filterKey(QObject* watched, QEvent* event);
    bool keyIsWelcome(QObject* watched, const QKeyEvent& key) const;

    void createMenus();
    void createButtons();
    void createStatusBar();
    void createTimers();
    // A menu command with its shortcut; held down, the shortcut acts once.
    QAction* addKeyedCommand(QMenu* menu, const char* name, const QString& text, const QString& hint,
                             QKeyCombination key, void (TForm1::*handler)());
    void createDealCommands(QMenu* gameMenu, QMenu* moveMenu);
    void dealAndPlay(std::uint32_t number);
    void createHintCommands(QMenu* moveMenu);
    void createLosingMoveCommands(QMenu* moveMenu);
    void askForHint();
    void watchTransfer();
    void search(const TableCards& table, const std::optional<TableCards>& before);
    void tableSearched(const SolverAnswer& answer, SolverVerdict before);
    void showAnswer(const SolverAnswer& answer);
    void showHint(const SolverTransfer& next);
    void warnOfLosingTransfer();
    void showHalves(const QString& first, const QString& second, const QString& spoken);
    void forgetHint();
    void hideHint();
    void forgetHintHalves();
    bool answerAfterModal(std::function<void()> answer);
    void losingMoveFound(const LostMove& found);
    void tellLosingMove(const LostMove& found);
    void forgetLosingMove();
    void LoadSettings();
    void applyPlacement();
    void fitCardsToScreen();
    void placeCommandButtons();
    void LayoutTable();
    void PlacePanel();
    void SaveWindowPlacement();
    void fitPlacementToFrame();
    void setStatusText(int panel, const QString& text);
    void updateCommands();
    std::array<int, 4> pileMarkNumbers() const;
    bool ask(const QString& caption, const QString& text);
    bool confirmEndOfGame();
    bool endGameOnConfirmation();
    bool confirmQuit();
    TStats1Dlg& statisticsDialog();
    TPrefDlg1& preferencesDialog();
    TAboutBox& aboutBox();
    TCalendarForm& calendarForm();
    HowToPlay& howToPlay();

    void RunGame();
    void startGame();
    void scheduleGamePass();
    bool holdWhileModal();
    void gamePass();
    void endGame();
    void toggleShowMoves();
    void setUpInformationDisplay();
    void servePreferences();
    void syncRuleOptions();
    void connectPreferences();
    void ClearPanel();
    void clearTable();
    void RecordWin();
    void RecordLoss();
    void finishRecording(const QString& endedText, StatisticsChange change);
    QString timeOfDayText(const QString& what, QTime time) const;
    void showPlayingTime(QTime until);

    Platform& platform_;
    SettingsStore store_;
    Settings settings_;
    RunTotals run_;
    Game game_;
    TableLayout layout_;
    InfoPanel panel_;
    Hand hand_;
    PointerInput pointer_;
    KeyboardInput keyboard_;
    // When the last card flight ended, on the clock key events are stamped
    // with: keys typed while it flew arrive only after it.
    std::optional<std::uint32_t> flightEndedAt_;
    int screenClass_ = 0;
    std::optional<QRect> placedOuter_;   // outer bounds given at start, until the frame is known
    QTime GameStartTime;
    // The playing time's words, looked up at its first tick.
    std::optional<std::pair<QString, QString>> playingTimeWords_;
    bool libraryTried_ = false;
    bool placementMoved_ = false;   // by the start, to be stored at the first idle moment
    // Why the small cards are used though the large ones are stored; told
    // at the first idle moment.
    QString smallCardsTold_;
    bool ResizePending = false;
    bool prefsChanged = false;
    bool PicturePathVerified = false;
    QImage SidePicture;
    // The picture file whose failure to load was last told: not told again
    // at every resize.
    QString sidePictureFailure_;

    TableView* table_ = nullptr;
    // Built when first opened.
    TStats1Dlg* Stats1Dlg = nullptr;
    TPrefDlg1* PrefDlg1 = nullptr;
    TAboutBox* AboutBox = nullptr;
    TCalendarForm* CalendarForm = nullptr;
    HowToPlay* HowToPlayWindow = nullptr;
    std::array<StatusPanel*, 4> panels_{};
    QPushButton* BitBtn1 = nullptr;
    QPushButton* UndoBtn1 = nullptr;
    QPushButton* ShowBtn1 = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* FinishGame1 = nullptr;
    QAction* GameStats1 = nullptr;
    QAction* GamePref1 = nullptr;
    QAction* GameExit1 = nullptr;
    QAction* MoveUndo1 = nullptr;
    QAction* MoveShow1 = nullptr;
    QAction* HelpAbout1 = nullptr;
    QAction* HelpDate = nullptr;
    QAction* HowToPlay1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* gamePassTimer_ = nullptr;
    QPointer<QWidget> heldBy_;   // the box a game pass waits for

    std::optional<std::uint32_t> dealNumber_;
    bool startingDeal_ = false;
    QLabel* dealLabel_ = nullptr;
    QAction* RestartDeal1 = nullptr;
    QAction* DealByNumber1 = nullptr;
    QAction* MoveHint1 = nullptr;
    HintSearch* hints_ = nullptr;
    HintLine hintLine_;
    std::optional<TableCards> searchedTable_;   // the table the running search was given
    bool hintAsked_ = false;                    // and the player waits for its hint
    bool hintAfterPass_ = false;   // asked while the game was moving by itself
    // The warning of a transfer that lost the game: due after each transfer,
    // the table it was made on while the search runs, and the last table
    // known to be winnable.
    QAction* WarnLosingMove1 = nullptr;
    bool watchDue_ = false;
    std::optional<TableCards> watchedBefore_;
    std::optional<TableCards> knownWinnable_;
    QTimer* hintMarksTimer_ = nullptr;
    // The hint's two halves in status panels 0 and 1, and what the second covered.
    struct HintHalves {
        QString what;
        QString where;
        QString covered;
    };
    std::optional<HintHalves> hintHalves_;
    std::function<void()> answerAfterModal_;

    GameRecord record_;   // the current game's transfers, or the last game's
    QAction* LosingMove1 = nullptr;
    bool losingMoveAsked_ = false;
    std::optional<LostMove> losingMove_;   // found for the last game
    QString panelUnderLosingMove_;
};

} // namespace tavolin
