#include "calendar_accessible.h"

#include "calendar_dates.h"
#include "ccalendar.h"

#include <QLocale>

namespace tavolin {
namespace {

QAccessibleInterface* calendarFactory(const QString& /*className*/, QObject* object)
{
    if (auto* calendar = qobject_cast<TCCalendar*>(object))
        return new CalendarAccessible(calendar);
    return nullptr;
}

// One cell of the grid; it lives inside the grid's interface, which makes and deletes it.
class CalendarCell : public QAccessibleInterface {
public:
    CalendarCell(CalendarAccessible& grid, int column, int row) : grid_(grid), column_(column), row_(row) {}

    bool isValid() const override { return grid_.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_.window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &grid_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        const QLocale locale;
        if (row_ == 0) {
            const int weekday = weekdayOfColumn(grid_.calendar().StartOfWeek(), column_);
            return locale.dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat);
        }
        const QDate date = dateShown();
        return date.isValid() ? locale.toString(date, QLocale::LongFormat) : QString();
    }
    QRect rect() const override
    {
        const TCCalendar& calendar = grid_.calendar();
        const QRect cell = calendar.cellRect(column_, row_);
        return QRect(calendar.mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return row_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        if (row_ == 0)
            return state;
        const TCCalendar& calendar = grid_.calendar();
        const bool current = calendar.currentCell() == QPoint(column_, row_);
        state.selectable = dateShown().isValid() && !calendar.ReadOnly();
        state.selected = current;
        state.focusable = state.selectable;
        state.focused = current && calendar.hasFocus();
        return state;
    }

private:
    QDate dateShown() const
    {
        const TCCalendar& calendar = grid_.calendar();
        const QString day = calendar.GetCellText(column_, row_);
        return day.isEmpty() ? QDate() : QDate(calendar.Year(), calendar.Month(), day.toInt());
    }

    CalendarAccessible& grid_;
    int column_;
    int row_;
};

} // namespace

void installCalendarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(calendarFactory);
        return true;
    }();
    (void)installed;
}

CalendarAccessible::CalendarAccessible(TCCalendar* calendar) : QAccessibleWidget(calendar, QAccessible::Table)
{
    for (int row = 0; row < CalendarRows; ++row)
        for (int column = 0; column < CalendarColumns; ++column)
            cells_.push_back(QAccessible::registerAccessibleInterface(new CalendarCell(*this, column, row)));
}

CalendarAccessible::~CalendarAccessible()
{
    for (QAccessible::Id id : cells_)
        QAccessible::deleteAccessibleInterface(id);
}

const TCCalendar& CalendarAccessible::calendar() const
{
    return *static_cast<const TCCalendar*>(widget());
}

QString CalendarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QLocale().toString(calendar().CalendarDate(), QStringLiteral("MMMM yyyy"));
    return QAccessibleWidget::text(t);
}

int CalendarAccessible::childCount() const
{
    return int(cells_.size());
}

QAccessibleInterface* CalendarAccessible::child(int index) const
{
    return index >= 0 && index < childCount() ? QAccessible::accessibleInterface(cells_[index]) : nullptr;
}

int CalendarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QAccessibleInterface* CalendarAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* cell = child(i); cell->rect().contains(x, y))
            return cell;
    return nullptr;
}

QAccessibleInterface* CalendarAccessible::focusChild() const
{
    const QPoint current = calendar().currentCell();
    return calendar().hasFocus() ? child(current.y() * CalendarColumns + current.x()) : nullptr;
}

void CalendarAccessible::followCurrentCell()
{
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    if (QAccessibleInterface* cell = focusChild()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace tavolin
