// The main window's commands: its menus and buttons.
#include "main_window.h"

#include "dialogs/about_box.h"
#include "dialogs/calendar_form.h"
#include "settings/preferences_dialog.h"
#include "settings/stats_dialog.h"
#include "view/table_view.h"
#include "view/table_words.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace tavolin {

void TForm1::NewGame1Click()
{
    if (game_.flags.gameOpen) {
        platform_.messages.show(this, tr(" New Game Selection"),
                                tr("Current game not finished yet."),
                                MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    // Truncated to 32 bits as the runtime's seed is; two games in the same
    // second are the same deal.
    dealAndPlay(static_cast<std::uint32_t>(platform_.clock.calendarSeconds()));
}

void TForm1::connectPreferences()
{
    PrefDlg1->setSideWindowSize([this] { return QSize(layout_.SideWidth, layout_.SideHeight); });
    connect(PrefDlg1, &TPrefDlg1::prefsChanged, this, [this] {
        prefsChanged = true;
        syncRuleOptions();
        scheduleGamePass();
    });
    connect(PrefDlg1, &TPrefDlg1::transferDetailsActive, this, [this](bool on) { game_.flags.DetailsShown = on; });
    connect(PrefDlg1, &TPrefDlg1::pileSuitsChanged, this,
            [this](const PileSuits& suits) { game_.table.pileSuit = suits; });
    connect(PrefDlg1, &TPrefDlg1::picturePathVerified, this, [this](bool verified) { PicturePathVerified = verified; });
}

void TForm1::Pref1DlgClick()
{
    preferencesDialog().showFromMainWindow();
    table_->SidePictureShown = false;
    RefreshSideWindow();
}

void TForm1::GameStats1Click()
{
    statisticsDialog().move(152, 56);
    statisticsDialog().exec();
}

void TForm1::HelpAboutClick()
{
    aboutBox().showModal();
}

void TForm1::ShowDateClick()
{
    calendarForm().exec();
}

void TForm1::MoveUndo1Click()
{
    game_.Undo();
    updateCommands();
    scheduleGamePass();
}

void TForm1::UndoBtn1Click()
{
    if (MoveUndo1->isEnabled())
        MoveUndo1Click();
}

void TForm1::MoveShow1Click()
{
    toggleShowMoves();
}

void TForm1::ShowBtn1Click()
{
    toggleShowMoves();
}

void TForm1::toggleShowMoves()
{
    GameFlags& flags = game_.flags;
    if (!flags.gameInPlay || flags.DetailsShown)
        return;
    flags.ShowMoves = !flags.ShowMoves;
    if (flags.ShowMoves) {
        game_.DetectMoves();
        table_->sayNow(panelWords(panel_, game_));
        Timer2->start(2000);
    } else {
        ClearPanel();
        game_.table.markAllColumnsDirty();
        table_->FormPaint(PaintSender::Other);
    }
}

void TForm1::ClearPanel()
{
    panel_.clear();
    table_->copyPanel();
    game_.flags.HintHeaderDirty = true;
}

void TForm1::clearTable()
{
    forgetHint();
    table_->stopAnimating();
    game_.ResetTable();
    ClearPanel();
    table_->FullRepaint = true;
    table_->FormPaint(PaintSender::TableButton);
}

void TForm1::FinishGame1Click()
{
    if (game_.flags.gameInPlay || game_.flags.gameOpen)
        endGameOnConfirmation();
}

// The game in play ends on the player's Yes, counted as lost; false when
// the player stays or the game ended meanwhile.
bool TForm1::endGameOnConfirmation()
{
    if (!confirmEndOfGame())
        return false;
    RecordLoss();
    clearTable();
    return true;
}

// A game that ended while the question was open has been recorded already.
bool TForm1::confirmEndOfGame()
{
    return ask(tr(" Game Control"), tr("End the current game ?"))
        && (game_.flags.gameInPlay || game_.flags.gameOpen);
}

// Quitting during a game asks first and counts the game as lost; false when
// the player stays.
bool TForm1::confirmQuit()
{
    if (!game_.flags.gameInPlay)
        return true;
    if (!ask(tr(" Closing Event"), tr("Quit game and exit ?")))
        return false;
    if (game_.flags.gameInPlay)
        RecordLoss();
    return true;
}

void TForm1::BitBtn1Click()
{
    if (!game_.flags.gameInPlay && !game_.flags.gameOpen) {
        clearTable();
        return;
    }
    FinishGame1Click();
}

void TForm1::GameExitClick()
{
    store_.beginQuit();
    if (!confirmQuit()) {
        store_.cancelQuit();
        return;
    }
    Timer1->stop();
    game_.flags.gameInPlay = false;
    close();
}

} // namespace tavolin
