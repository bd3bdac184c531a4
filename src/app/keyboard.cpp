// The window's keys: the play keys on the table, the guard before every key
// and shortcut, and the keys of the help window.
#include "main_window.h"

#include "dialogs/how_to_play.h"
#include "input/key_clock.h"
#include "input/key_map.h"
#include "view/table_view.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace tavolin {

void TForm1::setUpKeyboard()
{
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->setFocus();
    // Keys are judged before any widget or shortcut of the window sees them.
    qApp->installEventFilter(this);
}

bool TForm1::filterKey(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (!keyIsWelcome(watched, key)) {
        // Taken here, so that no shortcut fires and no widget acts on it.
        key.accept();
        return true;
    }
    if (watched != table_ || type != QEvent::KeyPress)
        return false;
    syncRuleOptions();
    if (!keyboard_.keyPressed(key.key(), key.modifiers(), key.isAutoRepeat()))
        return false;
    scheduleGamePass();
    return true;
}

// Nothing acts while a card flies, under an open box, or on a key typed
// during a flight: the flight sleeps, and such keys arrive only after it.
// A key with no time stamp is one a program made, never typed.
bool TForm1::keyIsWelcome(QObject* watched, const QKeyEvent& key) const
{
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this)
        return true;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this)
        return false;
    if (table_->isAnimating())
        return false;
    return key.timestamp() == 0 || !flightEndedAt_ || stampedAfter(key.timestamp(), *flightEndedAt_);
}

// The keys section is written from the key map and the menus' own
// shortcuts and captions, so that it lists what is bound, each key once.
void TForm1::HowToPlay1Click()
{
    std::vector<KeyLine> lines;
    for (const keys::HelpLine& line : keys::playKeyHelp())
        lines.push_back({line.keys, HowToPlay::tr(line.action)});
    for (const QAction* menu : menuBar()->actions()) {
        for (const QAction* command : menu->menu()->actions()) {
            if (command->shortcut().isEmpty())
                continue;
            QString path = QStringLiteral("%1 → %2").arg(menu->text(), command->text());
            lines.push_back({{command->shortcut()[0]}, path.remove(QLatin1Char('&'))});
        }
    }
    HowToPlay& window = howToPlay();
    window.setKeyLines(std::move(lines));
    window.showInFront();
}

} // namespace tavolin
