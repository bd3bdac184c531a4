#pragma once

#include <QTime>

#include <cstdint>

namespace tavolin {

// Time of day, calendar time and sleeping, so that tests can move time.
class Clock {
public:
    virtual ~Clock() = default;

    virtual QTime timeOfDay() const = 0;
    // Seconds since 1 January 1970, as the C library's time() gives them.
    virtual std::int64_t calendarSeconds() const = 0;
    // Blocks the calling thread without processing events.
    virtual void sleep(int milliseconds) = 0;
};

} // namespace tavolin
