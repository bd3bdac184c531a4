#pragma once

#include "game/game.h"
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
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QPushButton;
class QTimer;

namespace tavolin {

class TableView;
class TAboutBox;
class TCalendarForm;
class TPrefDlg1;
class TStats1Dlg;

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
    void MoveUndo1Click();
    void UndoBtn1Click();
    void MoveShow1Click();
    void ShowBtn1Click();
    void Timer1Timer();
    void Timer2Timer();
    void FormActivate();
    void ApplicationIdle();
    void RefreshSideWindow();

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

    void createMenus();
    void createButtons();
    void createStatusBar();
    void createTimers();
    void LoadSettings();
    void applyPlacement();
    void LayoutTable();
    void PlacePanel();
    void SaveWindowPlacement();
    void fitPlacementToFrame();
    void setStatusText(int panel, const QString& text);
    void updateCommands();
    std::array<int, 4> pileMarkNumbers() const;
    bool ask(const QString& caption, const QString& text);
    bool confirmEndOfGame();
    bool confirmQuit();
    TStats1Dlg& statisticsDialog();
    TPrefDlg1& preferencesDialog();
    TAboutBox& aboutBox();
    TCalendarForm& calendarForm();

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
    void finishRecording(const char* endedText);
    QString timeOfDayText(const char* what, QTime time) const;
    void showPlayingTime(QTime until);

    Platform& platform_;
    SettingsStore store_;
    Settings settings_;
    RunTotals run_;
    Game game_;
    TableLayout layout_;
    InfoPanel panel_;
    PointerInput pointer_;
    int screenClass_ = 0;
    std::optional<QRect> placedOuter_;   // outer bounds given at start, until the frame is known
    QTime GameStartTime;
    bool libraryTried_ = false;
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
    std::array<QLabel*, 4> panels_{};
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
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* gamePassTimer_ = nullptr;
    QPointer<QWidget> heldBy_;   // the box a game pass waits for
};

} // namespace tavolin
