// The calendar: the arithmetic of its month grid, the control, and the
// dialog that shows it.
#include "dialogs/calendar_dates.h"
#include "dialogs/calendar_form.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tavolin {
namespace {

TEST(CalendarDates, FollowTheGregorianCalendar)
{
    for (int year : {1900, 1999, 2000, 2023, 2024, 2100}) {
        EXPECT_EQ(IsLeapYear(year), QDate::isLeapYear(year)) << year;
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(DaysPerMonth(year, month), QDate(year, month, 1).daysInMonth()) << year << "-" << month;
    }
    // Every first of a month under its weekday, whichever day starts the week.
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

// The control alone, at its size in the calendar dialog, on a clock the test sets.
class CalendarTest : public ::testing::Test {
protected:
    QDate today;
    std::unique_ptr<TCCalendar> calendar;
    int changes = 0;

    void open(QDate date)
    {
        today = date;
        changes = 0;
        calendar = std::make_unique<TCCalendar>([this] { return today; });
        calendar->OnChange = [this] { ++changes; };
        calendar->resize(256, 96);
        calendar->show();
    }

    // The cell that shows a day, found by its text.
    QPoint cellShowing(int day) const
    {
        for (int row = 1; row < 7; ++row)
            for (int column = 0; column < 7; ++column)
                if (calendar->GetCellText(column, row) == QString::number(day))
                    return {column, row};
        return {-1, -1};
    }

    // Every day of the shown month stands once, in order, under its own
    // weekday, and the chosen day is the current cell.
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
                EXPECT_EQ(calendar->GetCellText(column, 0),
                          QLocale::system().dayName(first.addDays(shown - 1).dayOfWeek(), QLocale::ShortFormat));
            }
        }
        EXPECT_EQ(shown, first.daysInMonth());
        EXPECT_EQ(calendar->currentCell(), cellShowing(calendar->Day()));
    }

    void click(QPoint cell)
    {
        QTest::mouseClick(calendar.get(), Qt::LeftButton, {}, calendar->cellRect(cell.x(), cell.y()).center());
    }
};

// Months that begin in the first and the last column, a leap February, a
// Sunday first, and a start of the week out of range, which means Monday.
TEST_F(CalendarTest, EveryMonthIsLaidOutUnderItsWeekdays)
{
    const std::pair<QDate, int> months[] = {
        {QDate(2024, 2, 14), 1}, {QDate(2024, 4, 10), 1}, {QDate(2024, 12, 31), 1},
        {QDate(2024, 12, 10), 7}, {QDate(2024, 12, 10), 9},
    };
    for (const auto& [date, startOfWeek] : months) {
        SCOPED_TRACE(date.toString().toStdString() + " from weekday " + std::to_string(startOfWeek));
        open(date);
        calendar->SetStartOfWeek(7);
        calendar->SetStartOfWeek(startOfWeek);
        EXPECT_EQ(calendar->StartOfWeek(), startOfWeek == 9 ? 1 : startOfWeek);
        EXPECT_EQ(calendar->CalendarDate(), date);
        EXPECT_TRUE(calendar->UseCurrentDate());
        expectMonthLaidOut();
    }
}

// Arrow keys move a day or a week within the month, End goes to the end of
// the week; each move is told once.
TEST_F(CalendarTest, KeysMoveTheDayWithinTheMonth)
{
    struct Keys {
        QDate from;
        std::vector<Qt::Key> keys;
        QDate to;
    };
    const Keys cases[] = {
        {QDate(2024, 2, 14), {Qt::Key_Right, Qt::Key_Down}, QDate(2024, 2, 22)},
        {QDate(2024, 2, 14), {Qt::Key_Left, Qt::Key_Up}, QDate(2024, 2, 6)},
        {QDate(2024, 2, 29), {Qt::Key_Right, Qt::Key_Down}, QDate(2024, 2, 29)},
        {QDate(2024, 2, 1), {Qt::Key_Left, Qt::Key_Up}, QDate(2024, 2, 1)},
        {QDate(2024, 2, 1), {Qt::Key_End}, QDate(2024, 2, 4)},
    };
    for (const Keys& c : cases) {
        SCOPED_TRACE(c.from.toString().toStdString());
        open(c.from);
        for (const Qt::Key key : c.keys)
            QTest::keyClick(calendar.get(), key);
        EXPECT_EQ(calendar->CalendarDate(), c.to);
        EXPECT_EQ(changes, c.to == c.from ? 0 : int(c.keys.size()));
        EXPECT_EQ(calendar->UseCurrentDate(), c.to == c.from);
        expectMonthLaidOut();
    }
}

TEST_F(CalendarTest, AClickChoosesADayOfTheMonthAndNothingElse)
{
    open(QDate(2024, 2, 14));
    for (QPoint blank : {QPoint(0, 1), QPoint(6, 5), QPoint(3, 6), QPoint(4, 0)})
        click(blank);
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 14));
    EXPECT_EQ(changes, 0);
    click(cellShowing(27));
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 27));
    EXPECT_EQ(changes, 1);
    expectMonthLaidOut();

    // Read only, the player changes nothing; the program still can.
    calendar->setReadOnly(true);
    QTest::keyClick(calendar.get(), Qt::Key_Right);
    click(cellShowing(20));
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 2, 27));
    calendar->NextMonth();
    EXPECT_EQ(calendar->CalendarDate(), QDate(2024, 3, 27));
    expectMonthLaidOut();
}

// A day the new month or year lacks becomes its last day; values out of
// range, and moves beyond the calendar's years, change nothing.
TEST_F(CalendarTest, ADateChangedInPartsStaysADate)
{
    const std::tuple<QDate, std::function<void(TCCalendar&)>, QDate> changes[] = {
        {QDate(2024, 2, 29), &TCCalendar::NextYear, QDate(2025, 2, 28)},
        {QDate(2024, 2, 29), &TCCalendar::PrevYear, QDate(2023, 2, 28)},
        {QDate(2024, 2, 29), [](TCCalendar& c) { c.setYear(2100); }, QDate(2100, 2, 28)},
        {QDate(2024, 3, 31), [](TCCalendar& c) { c.setMonth(4); }, QDate(2024, 4, 30)},
        {QDate(2024, 1, 31), &TCCalendar::NextMonth, QDate(2024, 2, 29)},
        {QDate(2023, 3, 31), &TCCalendar::PrevMonth, QDate(2023, 2, 28)},
        {QDate(2024, 12, 5), &TCCalendar::NextMonth, QDate(2025, 1, 5)},
        {QDate(9999, 12, 1), &TCCalendar::NextMonth, QDate(9999, 12, 1)},
        {QDate(1, 1, 1), &TCCalendar::PrevMonth, QDate(1, 1, 1)},
        {QDate(2024, 4, 30), [](TCCalendar& c) { c.setMonth(13); }, QDate(2024, 4, 30)},
        {QDate(2024, 4, 30), [](TCCalendar& c) { c.setDay(31); }, QDate(2024, 4, 30)},
        {QDate(2024, 4, 30), [](TCCalendar& c) { c.setDay(0); }, QDate(2024, 4, 30)},
        {QDate(2024, 4, 30), [](TCCalendar& c) { c.setYear(10000); }, QDate(2024, 4, 30)},
    };
    for (const auto& [from, change, to] : changes) {
        SCOPED_TRACE(to.toString().toStdString());
        open(from);
        change(*calendar);
        EXPECT_EQ(calendar->CalendarDate(), to);
        expectMonthLaidOut();
    }
    calendar->setDay(1);
    EXPECT_FALSE(calendar->UseCurrentDate());
    calendar->SetUseCurrentDate(true);
    EXPECT_EQ(calendar->CalendarDate(), today);
}

TEST(CalendarForm, ShowsTodayFirstThenTheDateItShowedLast)
{
    QDate today(2024, 2, 14);
    TCalendarForm form([&today] { return today; });
    form.show();
    EXPECT_EQ(form.focusWidget(), form.Calendar1);
    EXPECT_EQ(form.Calendar1->CalendarDate(), today);
    QTest::keyClick(form.Calendar1, Qt::Key_Down);
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);

    today = QDate(2024, 3, 1);
    form.show();
    EXPECT_EQ(form.Calendar1->CalendarDate(), QDate(2024, 2, 21));
}

} // namespace
} // namespace tavolin
