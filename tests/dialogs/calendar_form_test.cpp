#include "dialogs/calendar_form.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(CalendarForm, ShowsTodaysMonthAndClosesWithOk)
{
    TCalendarForm form([] { return QDate(2024, 2, 14); });
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral(" A Calendar, for your convenience"));
    EXPECT_EQ(form.pos(), QPoint(130, 200));
    EXPECT_EQ(form.focusWidget(), form.Calendar1);
    EXPECT_EQ(form.Calendar1->CalendarDate(), QDate(2024, 2, 14));
    // Laid out at 120 pixels per inch, shown at 96.
    EXPECT_EQ(form.size(), QSize(305, 163));
    EXPECT_EQ(form.Calendar1->geometry(), QRect(25, 14, 256, 96));

    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(CalendarForm, KeepsTheDateItShowedLast)
{
    QDate today(2024, 2, 14);
    TCalendarForm form([&today] { return today; });
    form.show();
    QTest::keyClick(form.Calendar1, Qt::Key_Down);
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);

    today = QDate(2024, 3, 1);
    form.show();
    EXPECT_EQ(form.Calendar1->CalendarDate(), QDate(2024, 2, 21));
}

} // namespace
} // namespace tavolin
