#include "dialogs/calendar_dates.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(CalendarDates, LeapYearsAndMonthLengthsFollowTheGregorianRule)
{
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_FALSE(IsLeapYear(2023));
    for (int year : {1900, 1999, 2000, 2024, 2100}) {
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(DaysPerMonth(year, month), QDate(year, month, 1).daysInMonth()) << year << "-" << month;
    }
}

TEST(CalendarDates, OffsetPutsTheFirstUnderItsWeekday)
{
    // April 2024 begins on a Monday, December 2024 on a Sunday, February 2024 on a Thursday.
    EXPECT_EQ(monthOffset(2024, 4, 1), 1);
    EXPECT_EQ(monthOffset(2024, 12, 1), -5);
    EXPECT_EQ(monthOffset(2024, 2, 1), -2);
    EXPECT_EQ(cellOfDay(31, monthOffset(2024, 12, 1)), QPoint(1, 6));
    // With Sunday in column 0 the Sunday is first and the Monday second.
    EXPECT_EQ(monthOffset(2024, 12, 7), 1);
    EXPECT_EQ(monthOffset(2024, 4, 7), 0);

    for (int startOfWeek = 1; startOfWeek <= 7; ++startOfWeek) {
        for (int month = 1; month <= 12; ++month) {
            const int offset = monthOffset(2025, month, startOfWeek);
            ASSERT_GE(offset, -5);
            ASSERT_LE(offset, 1);
            const QPoint first = cellOfDay(1, offset);
            EXPECT_EQ(first.y(), 1);
            // Qt counts 1 Monday .. 7 Sunday, the header 0 Sunday .. 6 Saturday.
            EXPECT_EQ(weekdayOfColumn(startOfWeek, first.x()), QDate(2025, month, 1).dayOfWeek() % 7);
            EXPECT_EQ(cellDayNumber(offset, first.x(), first.y()), 1);
        }
    }
}

TEST(CalendarDates, MovingAMonthKeepsTheDayWhereItCan)
{
    EXPECT_EQ(monthMoved(QDate(2024, 1, 31), 1), QDate(2024, 2, 29));
    EXPECT_EQ(monthMoved(QDate(2023, 1, 31), 1), QDate(2023, 2, 28));
    EXPECT_EQ(monthMoved(QDate(2024, 3, 15), 1), QDate(2024, 4, 15));
    EXPECT_EQ(monthMoved(QDate(2024, 3, 31), -1), QDate(2024, 2, 29));
    EXPECT_EQ(monthMoved(QDate(2024, 12, 5), 1), QDate(2025, 1, 5));
    EXPECT_EQ(monthMoved(QDate(2024, 1, 5), -1), QDate(2023, 12, 5));
}

TEST(CalendarDates, NoDateOutsideTheCalendarYears)
{
    EXPECT_FALSE(monthMoved(QDate(9999, 12, 1), 1).isValid());
    EXPECT_FALSE(monthMoved(QDate(1, 1, 1), -1).isValid());
    EXPECT_FALSE(dateWithinMonth(10000, 1, 1).isValid());
    EXPECT_FALSE(dateWithinMonth(2024, 13, 1).isValid());
    EXPECT_EQ(dateWithinMonth(2023, 2, 29), QDate(2023, 2, 28));
    EXPECT_EQ(dateWithinMonth(2024, 4, 31), QDate(2024, 4, 30));
}

} // namespace
} // namespace tavolin
