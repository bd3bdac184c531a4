#pragma once

#include <QDate>
#include <QFrame>

#include <functional>
#include <optional>

namespace tavolin {

// The parts of the calendar's date, as its Year, Month and Day properties name them.
enum class DateElement { Year = 1, Month = 2, Day = 3 };

// A month as a grid: seven columns of days under a row of weekday names, the
// calendar's date as the current cell. The player moves that cell with the
// arrow keys or the mouse; cells outside the month cannot be chosen.
class TCCalendar : public QFrame {
    Q_OBJECT

public:
    // Asked for today's date when the calendar is made and when it is told to use it again.
    using TodaySource = std::function<QDate()>;

    explicit TCCalendar(TodaySource today, QWidget* parent = nullptr);

    QDate CalendarDate() const { return date_; }
    void setCalendarDate(QDate date);

    int Year() const { return GetDateElement(DateElement::Year); }
    int Month() const { return GetDateElement(DateElement::Month); }
    int Day() const { return GetDateElement(DateElement::Day); }
    void setYear(int year) { SetDateElement(DateElement::Year, year); }
    void setMonth(int month) { SetDateElement(DateElement::Month, month); }
    void setDay(int day) { SetDateElement(DateElement::Day, day); }

    int StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(int weekday);
    bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool UseCurrentDate() const { return useCurrentDate_; }
    void SetUseCurrentDate(bool use);
    int GridLineWidth() const { return 1; }

    int DaysThisMonth() const;
    QString GetCellText(int column, int row) const;
    int GetDateElement(DateElement element) const;
    void SetDateElement(DateElement element, int value);

    void NextMonth() { ChangeMonth(1); }
    void PrevMonth() { ChangeMonth(-1); }
    void NextYear();
    void PrevYear();
    void UpdateCalendar();

    // The current cell: x the column, y the row.
    QPoint currentCell() const { return current_; }
    QRect cellRect(int column, int row) const;

    // Called after the date changed.
    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool SelectCell(int column, int row) const;
    void moveCurrentCell(QPoint cell);
    // A screen reader hears the new current cell.
    void followForReaders();
    void Click();
    void Change();
    void ChangeMonth(int delta);
    void DrawCell(QPainter& painter, int column, int row, const QRect& rect);
    QPoint cellAt(QPoint position) const;
    std::optional<QPoint> keyTarget(const QKeyEvent& event) const;

    TodaySource today_;
    QDate date_;
    int monthOffset_ = 1;
    int startOfWeek_ = 1;
    bool readOnly_ = false;
    bool updating_ = false;
    bool useCurrentDate_ = true;
    QPoint current_{0, 1};
};

} // namespace tavolin
