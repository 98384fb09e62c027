#include <gtest/gtest.h>

#include <QTimer>
#include <array>
#include <vector>

#include "app/AppContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "gesture/BeepPattern.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace bm {
namespace {

class BeepPatternTest : public ::testing::Test {
protected:
    BeepPatternTest()
        : paths(ProgramPaths::single(folder.path())),
          log(folder.path(), platform),
          ctx{settings, run, paths, platform, log, prompt} {
        settings.BeepOnCapture = true;
    }

    // The pauses between successive beeps, in milliseconds of the fake clock.
    std::vector<std::int64_t> gaps() const {
        std::vector<std::int64_t> out;
        for (size_t i = 1; i < platform.beepTicks.size(); ++i) {
            out.push_back(static_cast<std::int64_t>(platform.beepTicks[i]) -
                          static_cast<std::int64_t>(platform.beepTicks[i - 1]));
        }
        return out;
    }

    test::TempFolder folder;
    Settings settings;
    RunState run;
    ProgramPaths paths;
    FakePlatform platform;
    DebugLog log;
    test::ScriptedPrompt prompt;
    AppContext ctx;
};

struct Rhythm {
    std::array<int, 4> groups;
    std::vector<std::int64_t> nominalGaps;  // one entry fewer than the beeps
};

// A wait of n ms lasts at least n and, on the fake clock, only a tick more.
void expectGaps(const std::vector<std::int64_t>& actual, const std::vector<std::int64_t>& nominal,
                const std::array<int, 4>& groups) {
    ASSERT_EQ(actual.size(), nominal.size()) << groups[0] << groups[1] << groups[2] << groups[3];
    for (size_t i = 0; i < nominal.size(); ++i) {
        EXPECT_GE(actual[i], nominal[i]) << "gap " << i;
        EXPECT_LT(actual[i], nominal[i] + 10) << "gap " << i;
    }
}

TEST_F(BeepPatternTest, GroupsSoundTheirBeepsWithTheirPauses) {
    const std::vector<Rhythm> rhythms = {
        {{1, 0, 0, 0}, {}},
        {{2, 0, 0, 0}, {50}},
        {{3, 0, 0, 0}, {100}},
        {{7, 0, 0, 0}, {100}},  // anything above 3 sounds like 3
        {{1, 2, 1, 1}, {500, 50, 500, 500}},
        {{2, 1, 1, 2}, {50, 500, 500, 500, 50}},
        {{3, 3, 0, 0}, {100, 500, 100}},
        {{2, 2, 2, 2}, {50, 500, 50, 500, 50, 500, 50}},
    };
    for (const Rhythm& r : rhythms) {
        platform.beepTicks.clear();
        BeepPattern(ctx, r.groups[0], r.groups[1], r.groups[2], r.groups[3]);
        expectGaps(gaps(), r.nominalGaps, r.groups);
    }
}

TEST_F(BeepPatternTest, TheFirstEmptyGroupEndsTheRhythm) {
    BeepPattern(ctx, 2, 0, 3, 3);
    EXPECT_EQ(platform.beeps, 2);
    platform.beeps = 0;
    BeepPattern(ctx, 1, 1, 0, 2);
    EXPECT_EQ(platform.beeps, 2);
}

TEST_F(BeepPatternTest, SilentAndWithoutWaitingWhenBeepingIsOffOrTheFirstGroupIsEmpty) {
    const std::uint32_t before = platform.tickCount();
    BeepPattern(ctx, 0, 2, 2, 2);
    settings.BeepOnCapture = false;
    BeepPattern(ctx, 1, 2, 1, 1);
    BeepPattern(ctx, 3, 3, 0, 0);
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(platform.tickCount(), before);
    EXPECT_EQ(platform.pumpCalls, 0);
}

TEST_F(BeepPatternTest, TimersKeepRunningBetweenTheBeeps) {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    BeepPattern(ctx, 1, 1, 0, 0);
    EXPECT_GT(ticks, 0);
}

}  // namespace
}  // namespace bm
