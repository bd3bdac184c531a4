#pragma once

#include <QDate>
#include <QPoint>

namespace tavolin {

// The arithmetic of the month grid: seven columns, a row of weekday names
// (row 0) over six rows of days (rows 1..6).

inline constexpr int CalendarColumns = 7;
inline constexpr int CalendarRows = 7;

// The years the calendar shows; outside them a date cannot be formed.
inline constexpr int FirstCalendarYear = 1;
inline constexpr int LastCalendarYear = 9999;

bool IsLeapYear(int year);
int DaysPerMonth(int year, int month);

// The day number the cell in column 0 of row 1 would hold, -5..1, when
// column 0 is weekday startOfWeek (1 Monday .. 7 Sunday).
int monthOffset(int year, int month, int startOfWeek);

// The day number a day cell stands for, whether or not the month has that day.
int cellDayNumber(int monthOffset, int column, int row);

// The cell (x column, y row) that holds a day of the month.
QPoint cellOfDay(int day, int monthOffset);

// The weekday named above a column, 0 Sunday .. 6 Saturday.
int weekdayOfColumn(int startOfWeek, int column);

// The date one month on (delta > 0) or back, keeping the day where the month
// has it and taking the month's last day where it has not. An invalid date
// when the result would leave the calendar's years.
QDate monthMoved(QDate date, int delta);

// The date of that year, month and day, the day cut back to the month's
// length; invalid when the year or month is out of range.
QDate dateWithinMonth(int year, int month, int day);

} // namespace tavolin
