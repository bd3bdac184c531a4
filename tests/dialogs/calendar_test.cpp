// The calendar control on a clock the test sets, and the dialog that shows it.
#include "dialogs/calendar_form.h"

#include <QAccessible>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tavolin {
namespace {

// The control alone, at its size in the calendar dialog.
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

// Keys move the day within the month, End to the end of its week; a day the
// new month or year lacks becomes its last day; values out of range, and
// moves beyond the calendar's years, change nothing. Each change is told.
TEST_F(CalendarTest, TheDateChangesOnlyToADateOfTheCalendar)
{
    auto key = [](Qt::Key key) { return [key](TCCalendar& c) { QTest::keyClick(&c, key); }; };
    const std::tuple<QDate, std::function<void(TCCalendar&)>, QDate> cases[] = {
        {QDate(2024, 2, 14), key(Qt::Key_Right), QDate(2024, 2, 15)},
        {QDate(2024, 2, 14), key(Qt::Key_Up), QDate(2024, 2, 7)},
        {QDate(2024, 2, 29), key(Qt::Key_Down), QDate(2024, 2, 29)},
        {QDate(2024, 2, 1), key(Qt::Key_Left), QDate(2024, 2, 1)},
        {QDate(2024, 2, 1), key(Qt::Key_End), QDate(2024, 2, 4)},
        {QDate(2024, 2, 29), &TCCalendar::NextYear, QDate(2025, 2, 28)},
        {QDate(2024, 2, 29), [](TCCalendar& c) { c.setYear(2100); }, QDate(2100, 2, 28)},
        {QDate(2024, 2, 29), [](TCCalendar& c) { c.setYear(2000); }, QDate(2000, 2, 29)},
        {QDate(2024, 3, 31), [](TCCalendar& c) { c.setMonth(4); }, QDate(2024, 4, 30)},
        {QDate(2024, 1, 31), &TCCalendar::NextMonth, QDate(2024, 2, 29)},
        {QDate(2024, 12, 5), &TCCalendar::NextMonth, QDate(2025, 1, 5)},
        {QDate(9999, 12, 1), &TCCalendar::NextMonth, QDate(9999, 12, 1)},
        {QDate(2024, 4, 30), [](TCCalendar& c) { c.setMonth(13); }, QDate(2024, 4, 30)},
        {QDate(2024, 4, 30), [](TCCalendar& c) { c.setDay(0); }, QDate(2024, 4, 30)},
    };
    for (const auto& [from, change, to] : cases) {
        SCOPED_TRACE(from.toString().toStdString() + " to " + to.toString().toStdString());
        open(from);
        change(*calendar);
        EXPECT_EQ(calendar->CalendarDate(), to);
        EXPECT_EQ(changes > 0, to != from);
        expectMonthLaidOut();
    }
    // The day chosen, today is no longer followed until asked for again.
    QTest::keyClick(calendar.get(), Qt::Key_Left);
    EXPECT_FALSE(calendar->UseCurrentDate());
    calendar->SetUseCurrentDate(true);
    EXPECT_EQ(calendar->CalendarDate(), today);
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
}

// A screen reader finds the weekdays as headers and each day as a cell
// named by its date; the chosen day is the selected cell and follows the date.
TEST_F(CalendarTest, AScreenReaderReadsTheDaysAsCells)
{
    open(QDate(2026, 2, 14));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(calendar.get());
    ASSERT_EQ(grid->childCount(), 49);
    const QLocale locale = QLocale::system();
    for (const QDate chosen : {QDate(2026, 2, 14), QDate(2026, 2, 1), QDate(2026, 3, 31)}) {
        SCOPED_TRACE(chosen.toString(Qt::ISODate).toStdString());
        calendar->setCalendarDate(chosen);
        int days = 0;
        QStringList selected;
        for (int i = 0; i < grid->childCount(); ++i) {
            QAccessibleInterface* cell = grid->child(i);
            EXPECT_EQ(cell->parent(), grid);
            EXPECT_EQ(grid->indexOfChild(cell), i);
            const QString name = cell->text(QAccessible::Name);
            if (i < 7) {
                EXPECT_EQ(cell->role(), QAccessible::ColumnHeader);
                EXPECT_EQ(name, locale.dayName(i + 1, QLocale::LongFormat));
                continue;
            }
            const QString day = calendar->GetCellText(i % 7, i / 7);
            EXPECT_EQ(name, day.isEmpty() ? QString()
                                          : locale.toString(QDate(chosen.year(), chosen.month(), day.toInt()),
                                                            QLocale::LongFormat));
            days += !name.isEmpty();
            if (cell->state().selected)
                selected << name;
        }
        EXPECT_EQ(days, chosen.daysInMonth());
        EXPECT_EQ(selected, QStringList{locale.toString(chosen, QLocale::LongFormat)});
    }
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
    EXPECT_TRUE(!form.isVisible() && form.result() == QDialog::Accepted);

    today = QDate(2024, 3, 1);
    form.show();
    EXPECT_EQ(form.Calendar1->CalendarDate(), QDate(2024, 2, 21));
}

} // namespace
} // namespace tavolin
