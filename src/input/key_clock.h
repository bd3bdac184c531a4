#pragma once

#include <chrono>
#include <cstdint>

namespace tavolin {

// The clock the window systems stamp input events with (the X server and
// Wayland compositors alike): the monotonic clock in milliseconds, wrapping
// at 32 bits.
inline std::uint32_t keyClockNow()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// Whether an event stamped `stamp` came after `mark`, across a wrap.
inline bool stampedAfter(std::uint64_t stamp, std::uint32_t mark)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(stamp) - mark) > 0;
}

} // namespace tavolin
