#include "ccalendar.h"

#include "calendar_accessible.h"
#include "calendar_dates.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace tavolin {
namespace {

constexpr int FirstDayRow = 1;
constexpr int LastDayRow = CalendarRows - 1;

bool isDayCell(QPoint cell)
{
    return cell.x() >= 0 && cell.x() < CalendarColumns && cell.y() >= FirstDayRow && cell.y() <= LastDayRow;
}

QPoint clampedToDays(QPoint cell)
{
    return {std::clamp(cell.x(), 0, CalendarColumns - 1), std::clamp(cell.y(), FirstDayRow, LastDayRow)};
}

} // namespace

TCCalendar::TCCalendar(TodaySource today, QWidget* parent)
    : QFrame(parent), today_(std::move(today)), date_(today_())
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    installCalendarAccessibility();
    UpdateCalendar();
}

void TCCalendar::setCalendarDate(QDate date)
{
    if (!dateWithinMonth(date.year(), date.month(), date.day()).isValid())
        return;
    date_ = date;
    UpdateCalendar();
    Change();
}

void TCCalendar::SetStartOfWeek(int weekday)
{
    // Any other value means Monday; the grid is redrawn for it at once so the
    // day numbers never stand under the wrong weekday names.
    if (weekday < 1 || weekday > 7)
        weekday = 1;
    if (weekday == startOfWeek_)
        return;
    startOfWeek_ = weekday;
    UpdateCalendar();
}

void TCCalendar::SetUseCurrentDate(bool use)
{
    if (use == useCurrentDate_)
        return;
    useCurrentDate_ = use;
    if (use) {
        date_ = today_();
        UpdateCalendar();
    }
}

int TCCalendar::DaysThisMonth() const
{
    return DaysPerMonth(date_.year(), date_.month());
}

QString TCCalendar::GetCellText(int column, int row) const
{
    if (row == 0) {
        // Qt counts weekdays 1 Monday .. 7 Sunday.
        const int weekday = weekdayOfColumn(startOfWeek_, column);
        return QLocale().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
    }
    const int day = cellDayNumber(monthOffset_, column, row);
    return day >= 1 && day <= DaysThisMonth() ? QString::number(day) : QString();
}

int TCCalendar::GetDateElement(DateElement element) const
{
    switch (element) {
    case DateElement::Year:
        return date_.year();
    case DateElement::Month:
        return date_.month();
    case DateElement::Day:
        return date_.day();
    }
    return -1;
}

void TCCalendar::SetDateElement(DateElement element, int value)
{
    if (value <= 0)
        return;
    int year = date_.year();
    int month = date_.month();
    int day = date_.day();
    if (element == DateElement::Year)
        year = value;
    else if (element == DateElement::Month && value <= 12)
        month = value;
    else if (element == DateElement::Day && value <= DaysThisMonth())
        day = value;
    // A new year or month may lack the day: the month's last day stands in.
    const QDate next = dateWithinMonth(year, month, day);
    if (!next.isValid() || next == date_)
        return;
    date_ = next;
    useCurrentDate_ = false;
    UpdateCalendar();
    Change();
}

void TCCalendar::NextYear()
{
    if (IsLeapYear(Year()) && Month() == 2 && Day() == 29)
        setDay(28);
    setYear(Year() + 1);
}

void TCCalendar::PrevYear()
{
    if (IsLeapYear(Year()) && Month() == 2 && Day() == 29)
        setDay(28);
    setYear(Year() - 1);
}

void TCCalendar::ChangeMonth(int delta)
{
    setCalendarDate(monthMoved(date_, delta));
}

void TCCalendar::UpdateCalendar()
{
    updating_ = true;
    monthOffset_ = monthOffset(date_.year(), date_.month(), startOfWeek_);
    current_ = cellOfDay(date_.day(), monthOffset_);
    update();
    updating_ = false;
    followForReaders();
}

bool TCCalendar::SelectCell(int column, int row) const
{
    if (readOnly_ && !updating_)
        return false;
    return isDayCell({column, row}) && !GetCellText(column, row).isEmpty();
}

void TCCalendar::moveCurrentCell(QPoint cell)
{
    if (cell == current_ || !SelectCell(cell.x(), cell.y()))
        return;
    current_ = cell;
    update();
    followForReaders();
    Click();
}

void TCCalendar::followForReaders()
{
    if (!QAccessible::isActive())
        return;
    if (auto* grid = dynamic_cast<CalendarAccessible*>(QAccessible::queryAccessibleInterface(this)))
        grid->followCurrentCell();
}

void TCCalendar::Click()
{
    const QString text = GetCellText(current_.x(), current_.y());
    if (!text.isEmpty())
        setDay(text.toInt());
}

void TCCalendar::Change()
{
    if (OnChange)
        OnChange();
}

QRect TCCalendar::cellRect(int column, int row) const
{
    // Seven cells and six lines between them share the width and the height.
    const QRect area = contentsRect();
    const int line = GridLineWidth();
    const int width = (area.width() - 6 * line) / CalendarColumns;
    const int height = (area.height() - 6 * line) / CalendarRows;
    return {area.left() + column * (width + line), area.top() + row * (height + line), width, height};
}

QPoint TCCalendar::cellAt(QPoint position) const
{
    for (int row = 0; row < CalendarRows; ++row) {
        for (int column = 0; column < CalendarColumns; ++column) {
            if (cellRect(column, row).contains(position))
                return {column, row};
        }
    }
    return {-1, -1};
}

std::optional<QPoint> TCCalendar::keyTarget(const QKeyEvent& event) const
{
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Left:
        return clampedToDays(current_ - QPoint(1, 0));
    case Qt::Key_Right:
        return clampedToDays(current_ + QPoint(1, 0));
    case Qt::Key_Up:
        return clampedToDays(current_ - QPoint(0, 1));
    case Qt::Key_Down:
        return clampedToDays(current_ + QPoint(0, 1));
    case Qt::Key_Home:
        return QPoint(0, control ? FirstDayRow : current_.y());
    case Qt::Key_End:
        return QPoint(CalendarColumns - 1, control ? LastDayRow : current_.y());
    case Qt::Key_PageUp:
        return QPoint(current_.x(), FirstDayRow);
    case Qt::Key_PageDown:
        return QPoint(current_.x(), LastDayRow);
    default:
        return std::nullopt;
    }
}

void TCCalendar::keyPressEvent(QKeyEvent* event)
{
    const std::optional<QPoint> target = keyTarget(*event);
    if (!target) {
        QFrame::keyPressEvent(event);
        return;
    }
    moveCurrentCell(*target);
    event->accept();
}

void TCCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        moveCurrentCell(cellAt(event->position().toPoint()));
}

void TCCalendar::mouseMoveEvent(QMouseEvent* event)
{
    // Without range selection, dragging carries the current cell along.
    if (event->buttons().testFlag(Qt::LeftButton))
        moveCurrentCell(cellAt(event->position().toPoint()));
}

void TCCalendar::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const int line = GridLineWidth();
    for (int row = 0; row < CalendarRows; ++row) {
        for (int column = 0; column < CalendarColumns; ++column) {
            const QRect rect = cellRect(column, row);
            painter.fillRect(rect.right() + 1, rect.top(), line, rect.height() + line, palette().mid());
            painter.fillRect(rect.left(), rect.bottom() + 1, rect.width(), line, palette().mid());
            DrawCell(painter, column, row, rect);
        }
    }
}

void TCCalendar::DrawCell(QPainter& painter, int column, int row, const QRect& rect)
{
    const bool isCurrent = QPoint(column, row) == current_;
    QPalette::ColorRole background = QPalette::Base;
    QPalette::ColorRole foreground = QPalette::Text;
    if (row == 0) {
        background = QPalette::Button;
        foreground = QPalette::ButtonText;
    } else if (isCurrent) {
        background = QPalette::Highlight;
        foreground = QPalette::HighlightedText;
    }
    painter.fillRect(rect, palette().color(background));

    const QString text = GetCellText(column, row);
    const QFontMetrics metrics = fontMetrics();
    const int left = rect.left() + (rect.width() - metrics.horizontalAdvance(text)) / 2;
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(palette().color(foreground));
    painter.drawText(left, top + metrics.ascent(), text);
    painter.restore();

    if (isCurrent && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect;
        option.backgroundColor = palette().color(background);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace tavolin
