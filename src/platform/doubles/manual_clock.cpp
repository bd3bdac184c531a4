#include "platform/doubles/manual_clock.h"

namespace tavolin {

void ManualClock::sleep(int milliseconds)
{
    if (onSleep)
        onSleep(milliseconds);
    advance(milliseconds);
    totalSlept_ += milliseconds;
    ++sleepCount_;
}

} // namespace tavolin
