// The main window's dialogs, each built the first time it is opened and kept
// for the next: built at start they cost the first frame a third of its time.
#include "main_window.h"

#include "dialogs/about_box.h"
#include "dialogs/calendar_form.h"
#include "dialogs/how_to_play.h"
#include "settings/placement.h"
#include "settings/preferences_dialog.h"
#include "settings/stats_dialog.h"
#include "view/table_view.h"

#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tavolin {

TStats1Dlg& TForm1::statisticsDialog()
{
    if (!Stats1Dlg)
        Stats1Dlg = new TStats1Dlg(settings_, run_, store_, platform_.messages, platform_.clock,
                                   [this] { return game_.flags.gameInPlay; }, this);
    return *Stats1Dlg;
}

TPrefDlg1& TForm1::preferencesDialog()
{
    if (!PrefDlg1) {
        PrefDlg1 = new TPrefDlg1(settings_, store_, platform_.messages, platform_.clock, this);
        connectPreferences();
    }
    return *PrefDlg1;
}

TAboutBox& TForm1::aboutBox()
{
    if (!AboutBox)
        AboutBox = new TAboutBox(this);
    return *AboutBox;
}

TCalendarForm& TForm1::calendarForm()
{
    if (!CalendarForm)
        CalendarForm = new TCalendarForm(todayFrom(platform_.clock), this);
    return *CalendarForm;
}

HowToPlay& TForm1::howToPlay()
{
    if (!HowToPlayWindow) {
        HowToPlayWindow = new HowToPlay(this);
        // Beside the table and its buttons where the screen has room, so
        // that the game stays in sight; else over the game. Never taller
        // than the screen holds with a frame like the game's, title bar
        // and all.
        const QRect area = screen()->availableGeometry();
        const QMargins frame = frameMargins(geometry(), frameGeometry());
        HowToPlayWindow->resize(HowToPlayWindow->width(),
                                std::min(HowToPlayWindow->height(), area.height() - frame.top() - frame.bottom()));
        const int right = std::max(layout_.TableWidth, UndoBtn1->geometry().right() + 1) + layout_.LeftMargin;
        QRect place(table_->mapToGlobal(QPoint(right, 0)), HowToPlayWindow->size());
        if (!area.contains(place.marginsAdded(frame))) {
            place.moveCenter(geometry().center());
            place.moveTop(std::max(place.top(), area.top() + frame.top()));
            place.moveBottom(std::min(place.bottom(), area.bottom() - frame.bottom()));
        }
        HowToPlayWindow->move(place.topLeft());
    }
    return *HowToPlayWindow;
}

} // namespace tavolin
