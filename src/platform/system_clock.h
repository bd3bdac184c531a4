#pragma once

#include "platform/clock.h"

#include <chrono>
#include <optional>

namespace tavolin {

class SystemClock final : public Clock {
public:
    // How long the local zone's distance from UTC is kept before it is
    // looked up again.
    explicit SystemClock(std::chrono::milliseconds zoneKeptFor = std::chrono::minutes(1)) : zoneKeptFor_(zoneKeptFor)
    {
    }

    QTime timeOfDay() const override;
    std::int64_t calendarSeconds() const override;
    void sleep(int milliseconds) override;

private:
    struct Zone {
        std::int64_t lookedUpAt = 0;   // milliseconds since 1970, UTC
        std::int64_t offset = 0;       // milliseconds ahead of UTC
    };
    std::chrono::milliseconds zoneKeptFor_;
    mutable std::optional<Zone> zone_;
};

} // namespace tavolin
