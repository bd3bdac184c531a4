#include "platform/system_clock.h"

#include <QThread>

#include <ctime>

namespace tavolin {

QTime SystemClock::timeOfDay() const
{
    return QTime::currentTime();
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
