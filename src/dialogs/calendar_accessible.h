#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace tavolin {

class TCCalendar;

// Gives every calendar grid readable cells from now on. Calling it again
// changes nothing.
void installCalendarAccessibility();

// The month grid as a screen reader sees it: the weekday names as column
// headers, then a cell per day place, named by its full date ("Monday,
// 7 December 2026") or blank outside the month; the current cell is
// selected and, while the grid has the focus, focused.
class CalendarAccessible : public QAccessibleWidget {
public:
    explicit CalendarAccessible(TCCalendar* calendar);
    ~CalendarAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    const TCCalendar& calendar() const;
    // The current cell moved: it takes the focus.
    void followCurrentCell();

private:
    std::vector<QAccessible::Id> cells_;
};

} // namespace tavolin
