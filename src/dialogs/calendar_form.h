#pragma once

#include "ccalendar.h"

#include <QDialog>

class QPushButton;

namespace tavolin {

class Clock;

// Today's date by the program's clock, in local time. The clock must outlive the calendar.
TCCalendar::TodaySource todayFrom(const Clock& clock);

// The month of the calendar's date, for looking only: nothing reads the date
// the player selects. Made once and shown again and again, it keeps the date
// it showed last.
class TCalendarForm : public QDialog {
    Q_OBJECT

public:
    explicit TCalendarForm(TCCalendar::TodaySource today, QWidget* parent = nullptr);

    TCCalendar* Calendar1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

} // namespace tavolin
