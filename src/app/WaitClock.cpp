#include "app/WaitClock.h"

#include <algorithm>
#include <limits>

#include "platform/Platform.h"

namespace bm {

namespace {

// The largest value of the unsigned 32-bit counter.
constexpr std::int64_t CounterMax = 4294967295LL;

std::int32_t clampToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t SecondsToMilliseconds(std::int32_t seconds) {
    return clampToInt32(std::int64_t{seconds} * 1000);
}

double GetMilliseconds(Platform& platform) {
    const auto t = static_cast<std::int32_t>(platform.tickCount());
    return t >= 0 ? static_cast<double>(t) : static_cast<double>(t) + 4294967296.0;
}

void WaitMilliseconds(Platform& platform, std::int32_t ms) {
    // Whole milliseconds held in 64 bits: the counter values and the wrap
    // correction below never overflow.
    std::int64_t length = ms <= 0 ? 1 : ms;
    auto start = static_cast<std::int64_t>(GetMilliseconds(platform));
    std::int32_t remaining = clampToInt32(length);
    do {
        platform.pumpEvents(remaining);
        const auto now = static_cast<std::int64_t>(GetMilliseconds(platform));
        if (now < start) {
            // The counter has wrapped: count the rest of the wait from 0.
            length -= CounterMax - start;
            start = 0;
        }
        remaining = clampToInt32(length + start - now);
    } while (remaining >= 0);
}

}  // namespace bm
