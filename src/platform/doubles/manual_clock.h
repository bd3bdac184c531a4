#pragma once

#include "platform/clock.h"

#include <QDateTime>

#include <functional>

namespace tavolin {

// A clock that moves only when told to. sleep() moves it on without waiting.
class ManualClock final : public Clock {
public:
    explicit ManualClock(const QDateTime& start = QDateTime(QDate(2024, 1, 1), QTime(12, 0)))
        : now_(start)
    {
    }

    void setDateTime(const QDateTime& now) { now_ = now; }
    void advance(int milliseconds) { now_ = now_.addMSecs(milliseconds); }
    QDateTime dateTime() const { return now_; }

    QTime timeOfDay() const override { return now_.time(); }
    std::int64_t calendarSeconds() const override { return now_.toSecsSinceEpoch(); }
    void sleep(int milliseconds) override;

    // Called at every sleep, before time moves on: a test looks at what is
    // on screen while the program waits.
    std::function<void(int milliseconds)> onSleep;

    std::int64_t totalSlept() const { return totalSlept_; }
    int sleepCount() const { return sleepCount_; }

private:
    QDateTime now_;
    std::int64_t totalSlept_ = 0;
    int sleepCount_ = 0;
};

} // namespace tavolin
