#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "gesture/BeepPattern.h"
#include "support/TestContext.h"

namespace bm {
namespace {

class BeepPatternTest : public ::testing::Test {
protected:
    BeepPatternTest() { t.settings.BeepOnCapture = true; }

    // The pauses between successive beeps, in milliseconds of the fake clock.
    std::vector<std::int64_t> gaps() const {
        const auto& ticks = t.platform.beepTicks;
        std::vector<std::int64_t> out;
        for (size_t i = 1; i < ticks.size(); ++i) {
            out.push_back(static_cast<std::int64_t>(ticks[i]) -
                          static_cast<std::int64_t>(ticks[i - 1]));
        }
        return out;
    }

    test::TestContext<> t;
};

TEST_F(BeepPatternTest, GroupsSoundTheirBeepsWithTheirPausesUpToTheFirstEmptyGroup) {
    const std::vector<std::pair<std::array<int, 4>, std::vector<std::int64_t>>> rhythms = {
        {{1, 0, 0, 0}, {}},
        {{7, 0, 0, 0}, {100}},  // anything above 3 sounds like 3
        {{1, 2, 1, 1}, {500, 50, 500, 500}},
        {{3, 3, 0, 0}, {100, 500, 100}},
        {{2, 0, 3, 3}, {50}},
    };
    for (const auto& [groups, nominal] : rhythms) {
        t.platform.beepTicks.clear();
        BeepPattern(t.ctx, groups[0], groups[1], groups[2], groups[3]);
        const auto actual = gaps();
        const auto row = ::testing::PrintToString(groups);
        ASSERT_EQ(actual.size(), nominal.size()) << row;
        // A wait of n ms lasts at least n and, on the fake clock, only a tick more.
        for (size_t i = 0; i < nominal.size(); ++i) {
            EXPECT_GE(actual[i], nominal[i]) << row << " gap " << i;
            EXPECT_LT(actual[i], nominal[i] + 10) << row << " gap " << i;
        }
    }
}

}  // namespace
}  // namespace bm
