// The system clock gives the time of day in the zone the system is set to,
// and sees a new zone once it looks the zone up again.
#include "platform/system_clock.h"

#include <QByteArray>
#include <QTime>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace tavolin {
namespace {

class SystemZone {
public:
    SystemZone() : saved_(qgetenv("TZ")), wasSet_(qEnvironmentVariableIsSet("TZ")) {}
    ~SystemZone()
    {
        if (wasSet_)
            qputenv("TZ", saved_);
        else
            qunsetenv("TZ");
        tzset();
    }
    void set(const char* zone)
    {
        qputenv("TZ", zone);
        tzset();
    }

private:
    QByteArray saved_;
    bool wasSet_;
};

int secondsApart(QTime a, QTime b)
{
    const int apart = std::abs(a.msecsTo(b));
    return std::min(apart, 24 * 60 * 60 * 1000 - apart) / 1000;
}

TEST(SystemClockTest, GivesTheTimeOfDayInTheSystemsZone)
{
    SystemZone zone;
    for (const char* setting : {"UTC0", "IST-5:30", "<-1245>12:45", "NST3:30NDT,M3.2.0,M11.1.0"}) {
        zone.set(setting);
        SystemClock clock;
        EXPECT_LE(secondsApart(clock.timeOfDay(), QTime::currentTime()), 1) << setting;
        EXPECT_LE(secondsApart(clock.timeOfDay(), QTime::currentTime()), 1) << setting << ", asked again";
    }
}

TEST(SystemClockTest, SeesANewZoneWhenItLooksTheZoneUpAgain)
{
    SystemZone zone;
    zone.set("IST-5:30");
    SystemClock lookingUpEachTime(std::chrono::milliseconds(0));
    SystemClock keepingTheZone(std::chrono::hours(1));
    lookingUpEachTime.timeOfDay();
    const QTime kept = keepingTheZone.timeOfDay();
    zone.set("UTC0");
    EXPECT_LE(secondsApart(lookingUpEachTime.timeOfDay(), QTime::currentTime()), 1);
    EXPECT_LE(secondsApart(keepingTheZone.timeOfDay(), kept), 1);
}

} // namespace
} // namespace tavolin
