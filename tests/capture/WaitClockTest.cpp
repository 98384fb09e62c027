#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>

#include "capture/WaitClock.h"
#include "platform/fake/FakePlatform.h"

using bm::FakePlatform;
using bm::GetMilliseconds;
using bm::WaitMilliseconds;

namespace {

// Milliseconds the fake counter moved, across a wrap.
std::uint32_t elapsedSince(FakePlatform& p, std::uint32_t start) {
    return p.tickCount() - start;
}

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

TEST(GetMilliseconds, ReadsTheCounterAsUnsigned) {
    FakePlatform p;
    p.setTick(0);
    EXPECT_EQ(GetMilliseconds(p), 0.0);
    p.setTick(0x7FFFFFFFu);
    EXPECT_EQ(GetMilliseconds(p), 2147483647.0);
    p.setTick(0x80000000u);
    EXPECT_EQ(GetMilliseconds(p), 2147483648.0);
    p.setTick(0xFFFFFFFFu);
    EXPECT_EQ(GetMilliseconds(p), 4294967295.0);
}

TEST(WaitMilliseconds, LastsOneMillisecondMoreThanAsked) {
    for (int ms : {1, 10, 300, 10000}) {
        FakePlatform p;
        const std::uint32_t start = p.tickCount();
        WaitMilliseconds(p, ms);
        EXPECT_EQ(elapsedSince(p, start), static_cast<std::uint32_t>(ms) + 1) << ms;
    }
}

TEST(WaitMilliseconds, ZeroAndNegativeWaitLikeOne) {
    for (int ms : {0, -5, std::numeric_limits<std::int32_t>::min()}) {
        FakePlatform p;
        const std::uint32_t start = p.tickCount();
        WaitMilliseconds(p, ms);
        EXPECT_EQ(elapsedSince(p, start), 2u) << ms;
        EXPECT_GE(p.pumpCalls, 1) << ms;
    }
}

TEST(WaitMilliseconds, KeepsWaitingWhenThePumpReturnsEarly) {
    EarlyWakePlatform p(3);
    const std::uint32_t start = p.tickCount();
    WaitMilliseconds(p, 20);
    const std::uint32_t elapsed = elapsedSince(p, start);
    EXPECT_GE(elapsed, 21u);
    EXPECT_LT(elapsed, 24u);
    EXPECT_GE(p.pumpCalls, 7);
}

TEST(WaitMilliseconds, EndsOnTimeAcrossTheCounterWrap) {
    for (std::uint32_t before : {1u, 4u, 19u, 20u}) {
        EarlyWakePlatform p(2);
        p.setTick(0u - before);  // `before` ms short of the wrap
        const std::uint32_t start = p.tickCount();
        WaitMilliseconds(p, 20);
        const std::uint32_t elapsed = elapsedSince(p, start);
        EXPECT_GE(elapsed, 21u) << before;
        EXPECT_LE(elapsed, 24u) << before;
    }
}

TEST(WaitMilliseconds, DispatchesPendingEvents) {
    FakePlatform p;
    int ran = 0;
    QTimer::singleShot(0, [&ran] { ++ran; });
    WaitMilliseconds(p, 0);
    EXPECT_EQ(ran, 1);
}
