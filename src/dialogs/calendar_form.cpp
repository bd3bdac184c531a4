#include "calendar_form.h"

#include "dialog_style.h"
#include "platform/clock.h"

#include <QDateTime>
#include <QPushButton>

namespace tavolin {
namespace {

// The dialog was laid out at 120 pixels per inch; Qt's pixels are 96 to the inch.
constexpr int scaled(int designPixels)
{
    return (designPixels * 96 + 60) / 120;
}

QRect scaled(int left, int top, int width, int height)
{
    return {scaled(left), scaled(top), scaled(width), scaled(height)};
}

} // namespace

TCCalendar::TodaySource todayFrom(const Clock& clock)
{
    return [&clock] { return QDateTime::fromSecsSinceEpoch(clock.calendarSeconds()).date(); };
}

TCalendarForm::TCalendarForm(TCCalendar::TodaySource today, QWidget* parent)
    : QDialog(parent, FixedDialogFlags)
{
    setObjectName(QStringLiteral("CalendarForm"));
    setWindowTitle(tr(" A Calendar, for your convenience"));
    setFixedSize(scaled(381), scaled(204));
    setFont(designFont(QStringLiteral("MS Sans Serif"), scaled(13)));
    move(130, 200);

    Calendar1 = new TCCalendar(std::move(today), this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setGeometry(scaled(31, 18, 320, 120));

    BitBtn1 = makeOkButton(this, scaled(141, 154, 99, 38));
    Calendar1->setFocus();
}

} // namespace tavolin
