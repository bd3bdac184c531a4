#include "calendar_dates.h"

#include <algorithm>
#include <array>

namespace tavolin {

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysPerMonth(int year, int month)
{
    static constexpr std::array<int, 12> Days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leapFebruary = month == 2 && IsLeapYear(year);
    return Days.at(static_cast<std::size_t>(month - 1)) + (leapFebruary ? 1 : 0);
}

int monthOffset(int year, int month, int startOfWeek)
{
    // Weekday of the 1st, counted 1 Sunday .. 7 Saturday.
    const int firstWeekday = QDate(year, month, 1).dayOfWeek() % 7 + 1;
    const int offset = 2 - ((firstWeekday - startOfWeek + 7) % 7);
    // An offset of 2 would put the 1st before column 0: it belongs in column 6.
    return offset == 2 ? -5 : offset;
}

int cellDayNumber(int monthOffset, int column, int row)
{
    return monthOffset + column + (row - 1) * CalendarColumns;
}

QPoint cellOfDay(int day, int monthOffset)
{
    const int index = day - monthOffset;
    return {index % CalendarColumns, index / CalendarColumns + 1};
}

int weekdayOfColumn(int startOfWeek, int column)
{
    return (startOfWeek + column) % 7;
}

QDate monthMoved(QDate date, int delta)
{
    const QDate edge = delta > 0 ? QDate(date.year(), date.month(), date.daysInMonth())
                                 : QDate(date.year(), date.month(), 1);
    const QDate landing = edge.addDays(delta);
    return dateWithinMonth(landing.year(), landing.month(), date.day());
}

QDate dateWithinMonth(int year, int month, int day)
{
    if (year < FirstCalendarYear || year > LastCalendarYear || month < 1 || month > 12 || day < 1)
        return {};
    return {year, month, std::min(day, DaysPerMonth(year, month))};
}

} // namespace tavolin
