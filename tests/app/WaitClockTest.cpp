#include <gtest/gtest.h>

#include <algorithm>

#include "app/WaitClock.h"
#include "platform/fake/FakePlatform.h"

using bm::FakePlatform;
using bm::WaitMilliseconds;

namespace {

// A platform whose event pump returns early, as when input arrives before
// the timeout: each pump lets at most `step` milliseconds pass.
class EarlyWakePlatform : public FakePlatform {
public:
    explicit EarlyWakePlatform(int step) : step_(step) {}
    void pumpEvents(int maxWaitMs) override {
        ++pumpCalls;
        advance(std::clamp(maxWaitMs, 1, step_));
    }

private:
    int step_;
};

}  // namespace

TEST(WaitMilliseconds, LastsOneMillisecondMoreThanAskedAndAtLeastOne) {
    const std::pair<int, std::uint32_t> cases[] = {{1, 2}, {10, 11}, {10000, 10001},
                                                   {0, 2}, {-5, 2},  {INT32_MIN, 2}};
    for (const auto& [ms, lasts] : cases) {
        FakePlatform p;
        const std::uint32_t start = p.tickCount();
        WaitMilliseconds(p, ms);
        EXPECT_EQ(p.tickCount() - start, lasts) << ms;
    }
}

TEST(WaitMilliseconds, EndsOnTimeAcrossTheCounterWrap) {
    for (std::uint32_t before : {1u, 4u, 19u, 20u}) {
        EarlyWakePlatform p(2);
        p.setTick(0u - before);  // `before` ms short of the wrap
        const std::uint32_t start = p.tickCount();
        WaitMilliseconds(p, 20);
        const std::uint32_t elapsed = p.tickCount() - start;  // across the wrap
        EXPECT_GE(elapsed, 21u) << before;
        EXPECT_LE(elapsed, 24u) << before;
    }
}

TEST(SecondsToMilliseconds, HoldsAtTheLongest32BitWaitInsteadOfWrapping) {
    using bm::SecondsToMilliseconds;
    EXPECT_EQ(SecondsToMilliseconds(2147483), 2147483000);
    EXPECT_EQ(SecondsToMilliseconds(2147484), 2147483647);
    EXPECT_EQ(SecondsToMilliseconds(-5), -5000);
    EXPECT_EQ(SecondsToMilliseconds(-2147483647 - 1), -2147483647 - 1);
}
