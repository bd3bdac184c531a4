#include "platform/system_clock.h"

#include <QDateTime>
#include <QThread>

#include <ctime>

namespace tavolin {

// The C library looks at the zone file again for every local time it gives,
// a file system walk that is most of what a second's tick of an idle game
// costs. The zone is looked up once a minute instead (and whenever the clock
// went back), so a change of zone or of summer time shows within a minute.
QTime SystemClock::timeOfDay() const
{
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    if (!zone_ || now < zone_->lookedUpAt || now - zone_->lookedUpAt >= zoneKeptFor_.count()) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(now, Qt::LocalTime);
        zone_ = Zone{now, std::int64_t(local.offsetFromUtc()) * 1000};
    }
    constexpr std::int64_t Day = 24 * 60 * 60 * 1000;
    return QTime::fromMSecsSinceStartOfDay(int(((now + zone_->offset) % Day + Day) % Day));
}

std::int64_t SystemClock::calendarSeconds() const
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

void SystemClock::sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace tavolin
