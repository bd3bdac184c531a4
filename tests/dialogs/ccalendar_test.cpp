#include "dialogs/ccalendar.h"

#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tavolin {
namespace {

// The control alone, at its size in the calendar dialog, on a clock the test sets.
class CalendarTest : public ::testing::Test {
protected:
    QDate today;
    std::unique_ptr<TCCalendar> calendar;
    int changes = 0;

    void open(QDate date)
    {
        today = date;
        calendar = std::make_unique<TCCalendar>([this] { return today; });
        calendar->OnChange = [this] { ++changes; };
        calendar->resize(256, 96);
        calendar->show();
    }

    // The cell that shows a day, found by its text.
    QPoint cellShowing(int day) const
    {
        for (int row = 1; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                if (calendar->GetCellText(column, row) == QString::number(day))
                    return {column, row};
            }
        }
        return {-1, -1};
    }

    QString shortDayName(QDate date) const { return QLocale::system().dayName(date.dayOfWeek(), QLocale::ShortFormat); }

    // Every day of the shown month stands once, in order, under its own weekday.
    void expectMonthLaidOut()
    {
        const QDate first(calendar->Year(), calendar->Month(), 1);
        int shown = 0;
        for (int row = 1; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                const QString text = calendar->GetCellText(column, row);
                if (text.isEmpty())
                    continue;
                ++shown;
                EXPECT_EQ(text.toInt(), shown) << "column " << column << " row " << row;
                EXPECT_EQ(calendar->GetCellText(column, 0), shortDayName(first.addDays(shown - 1)));
            }
        }
        EXPECT_EQ(shown, first.daysInMonth());
    }

    void click(QPoint cell)
    {
        QTest::mouseClick(calendar.get(), Qt::LeftButton, {}, calendar->cellRect(cell.x(), cell.y()).center());
    }
    void press(Qt::Key key) { QTest::keyClick(calendar.get(), key); }
};

TEST_F(CalendarTest, TodayIsSelected)
{
    open(QDate(2024, 2, 14));
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 14));
    EXPECT_TRUE(calendar->UseCurrentDate());
    EXPECT_EQ(calendar->currentCell(), cellShowing(14));
    // 1 February 2024 is a Thursday: the 14th is the Wednesday of the third row.
    EXPECT_EQ(calendar->currentCell(), QPoint(2, 3));
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(calendar->GetCellText(column, 0), QLocale::system().dayName(column + 1, QLocale::ShortFormat));
}

TEST_F(CalendarTest, LeapFebruaryHasTwentyNineDays)
{
    open(QDate(2024, 2, 1));
    EXPECT_EQ(cellShowing(1), QPoint(3, 1));
    EXPECT_EQ(cellShowing(29), QPoint(3, 5));
    EXPECT_EQ(cellShowing(30), QPoint(-1, -1));
    expectMonthLaidOut();
}

TEST_F(CalendarTest, MonthsStartingInTheFirstAndLastColumns)
{
    open(QDate(2024, 4, 10));
    EXPECT_EQ(cellShowing(1), QPoint(0, 1));
    expectMonthLaidOut();
    // December 2024 begins on a Sunday: its 31 days reach the last row.
    calendar->setMonth(12);
    EXPECT_EQ(cellShowing(1), QPoint(6, 1));
    EXPECT_EQ(cellShowing(31), QPoint(1, 6));
    expectMonthLaidOut();
}

TEST_F(CalendarTest, SundayFirstMovesTheColumns)
{
    open(QDate(2024, 12, 10));
    calendar->SetStartOfWeek(7);
    EXPECT_EQ(calendar->GetCellText(0, 0), QLocale::system().dayName(7, QLocale::ShortFormat));
    EXPECT_EQ(cellShowing(1), QPoint(0, 1));
    EXPECT_EQ(calendar->currentCell(), cellShowing(10));
    expectMonthLaidOut();
}

TEST_F(CalendarTest, WeekdayOutOfRangeMeansMondayAndRedraws)
{
    open(QDate(2024, 12, 10));
    calendar->SetStartOfWeek(7);
    calendar->SetStartOfWeek(9);
    EXPECT_EQ(calendar->StartOfWeek(), 1);
    EXPECT_EQ(cellShowing(1), QPoint(6, 1));
    expectMonthLaidOut();
}

TEST_F(CalendarTest, ArrowKeysMoveTheDay)
{
    open(QDate(2024, 2, 14));
    press(Qt::Key_Right);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 15));
    press(Qt::Key_Down);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 22));
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 14));
    EXPECT_EQ(calendar->currentCell(), cellShowing(14));
    EXPECT_EQ(changes, 4);
    EXPECT_FALSE(calendar->UseCurrentDate());
}

TEST_F(CalendarTest, KeysStopAtTheEdgesOfTheMonth)
{
    open(QDate(2024, 2, 29));
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 29));

    calendar->setDay(1);
    EXPECT_EQ(changes, 1);
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 1));
    EXPECT_EQ(calendar->currentCell(), cellShowing(1));
    press(Qt::Key_End);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 4));
}

TEST_F(CalendarTest, ClickChoosesADay)
{
    open(QDate(2024, 2, 14));
    click(cellShowing(27));
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 27));
    EXPECT_EQ(calendar->currentCell(), cellShowing(27));
    EXPECT_EQ(changes, 1);
}

TEST_F(CalendarTest, ClicksOutsideTheMonthChangeNothing)
{
    open(QDate(2024, 2, 14));
    for (QPoint blank : {QPoint(0, 1), QPoint(6, 5), QPoint(3, 6), QPoint(4, 0)})
        click(blank);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 14));
    EXPECT_EQ(calendar->currentCell(), cellShowing(14));
    EXPECT_EQ(changes, 0);
}

TEST_F(CalendarTest, ReadOnlyRefusesThePlayer)
{
    open(QDate(2024, 2, 14));
    calendar->setReadOnly(true);
    press(Qt::Key_Right);
    click(cellShowing(20));
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 14));
    calendar->NextMonth();
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 3, 14));
    EXPECT_EQ(calendar->currentCell(), cellShowing(14));
    expectMonthLaidOut();
}

TEST_F(CalendarTest, LeapDayIntoACommonYear)
{
    open(QDate(2024, 2, 29));
    calendar->NextYear();
    EXPECT_EQ(calendar->CalendarDate(), QDate(2025, 2, 28));
    calendar->setCalendarDate(QDate(2024, 2, 29));
    calendar->PrevYear();
    EXPECT_EQ(calendar->CalendarDate(), QDate(2023, 2, 28));
    calendar->setCalendarDate(QDate(2024, 2, 29));
    calendar->setYear(2100);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2100, 2, 28));
    EXPECT_EQ(calendar->currentCell(), cellShowing(28));
    expectMonthLaidOut();
}

TEST_F(CalendarTest, MonthWithoutTheDayTakesItsLastDay)
{
    open(QDate(2024, 3, 31));
    calendar->setMonth(4);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 4, 30));
    calendar->setMonth(13);
    calendar->setDay(31);
    calendar->setDay(0);
    calendar->setYear(10000);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 4, 30));
    EXPECT_FALSE(calendar->UseCurrentDate());
    calendar->SetUseCurrentDate(true);
    EXPECT_EQ(calendar->CalendarDate(), today);
}

} // namespace
} // namespace tavolin
