#pragma once

#include "platform/clock.h"

namespace tavolin {

class SystemClock final : public Clock {
public:
    QTime timeOfDay() const override;
    std::int64_t calendarSeconds() const override;
    void sleep(int milliseconds) override;
};

} // namespace tavolin
