#pragma once

#include <cstdint>

namespace bm {

class Platform;

// Waits at least ms + 1 milliseconds (ms <= 0 counts as 1) while the event
// loop keeps running, so timers, clicks and menus work during the wait. A
// wait that spans the wrap of the 32-bit millisecond counter ends on time.
void WaitMilliseconds(Platform& platform, std::int32_t ms);

// A wait of whole seconds in milliseconds, worked out in 64 bits and held
// at the largest 32-bit wait, so that no delay wraps into a short one.
std::int32_t SecondsToMilliseconds(std::int32_t seconds);

// The millisecond counter as an unsigned value, 0 to 4294967295.
double GetMilliseconds(Platform& platform);

}  // namespace bm
