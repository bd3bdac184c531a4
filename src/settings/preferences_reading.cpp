// What a screen reader hears of the preferences dialog beyond what it reads
// by itself (the dialog as it opens, the control with the focus): a page
// turned, with what it shows, the new suit order as the buttons are
// pressed, and each status text.
#include "settings/preferences_dialog.h"

#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace tavolin {
namespace {

// Texts that run on would be heard as one: each ends as a sentence.
QString sentence(const QString& text)
{
    const QString plain = text.simplified();
    if (plain.isEmpty() || QStringLiteral(".:?!").contains(plain.back()))
        return plain;
    return plain + QLatin1Char('.');
}

} // namespace

// Told once the event is over: a turn changes the page, its labels and the
// status together, and is heard as one.
void TPrefDlg1::followForReaders()
{
    tellTimer_->start();
}

void TPrefDlg1::tellReaders()
{
    QStringList words;
    const int page = PageControl1->currentIndex();
    if (page != heard_.page)
        words << pageWords(page);
    else if (page == SuitPage && Label7->accessibleName() != heard_.newOrder)
        words << sentence(Label7->accessibleName());
    if (statusText() != heard_.status)
        words << sentence(statusText());
    heard_ = {page, Label7->accessibleName(), statusText()};
    words.removeAll(QString());
    news_.say(words.join(QLatin1Char(' ')));
}

// The page's name, unless a reader reads it as its tab takes the focus,
// then its labels in order.
QString TPrefDlg1::pageWords(int page) const
{
    QStringList words;
    if (!PageControl1->tabBar()->hasFocus())
        words << tr("%1 page.").arg(PageControl1->tabText(page));
    for (const QLabel* label : PageControl1->widget(page)->findChildren<QLabel*>())
        words << sentence(label->accessibleName().isEmpty() ? label->text() : label->accessibleName());
    words.removeAll(QString());
    return words.join(QLatin1Char(' '));
}

} // namespace tavolin
