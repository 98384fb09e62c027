#include <gtest/gtest.h>

#include <tuple>

#include "MeasureFixture.h"
#include "measure/LoggingRun.h"
#include "measure/MeasureCommands.h"

namespace bm::test {

namespace {

class LoggingRunTest : public MeasureFixture {
protected:
    LoggingRunTest() { settings.StartDelay = 0; }

    // Run active, capture timer, suspended.
    using State = std::tuple<bool, bool, bool>;
    State state() const {
        return {!run.LogStartStamp.isEmpty(), view.captureTimer, run.SuspendMode};
    }
    const State Stopped{false, false, false};
    const State Running{true, true, false};
    const State Suspended{true, false, true};
};

}  // namespace

TEST_F(LoggingRunTest, StartLaunchesBothApplicationsWithTheDelayBetween) {
    for (int i = 0; i < 2; ++i) {
        settings.AutoRunPath[i] = folder.file(QStringLiteral("app%1.txt").arg(i + 1));
        TempFolder::writeBytes(settings.AutoRunPath[i], "x");
    }
    settings.AutoRunEnabled = {true, true};
    settings.AutoRun2Delay = 5;
    const QDateTime started = platform.now();
    ChangeLogging(m, LoggingMode::Start);

    EXPECT_EQ(platform.started + platform.opened,
              (QStringList{settings.AutoRunPath[0], settings.AutoRunPath[1]}));
    // 0.5 s after each launch, 5 s between them.
    EXPECT_GE(started.msecsTo(platform.now()), 6000);
    EXPECT_LT(started.msecsTo(platform.now()), 6100);
    EXPECT_NEAR(platform.now().msecsTo(run.NextCaptureTime), 15000, 10);
    EXPECT_EQ(view.logBox, LogBoxHeader);
    EXPECT_EQ(state(), Running);
}

TEST_F(LoggingRunTest, SuspensionFollowsTheStateTable) {
    ChangeSuspend(m, 0);  // nothing to suspend while stopped
    EXPECT_EQ(state(), Stopped);
    EXPECT_EQ(logMessages(), QStringList{QStringLiteral("Suspend Mode On ")});

    RunMenuCommand(m);
    EXPECT_EQ(state(), Running);
    TempStopCommand(m);
    EXPECT_EQ(state(), Suspended);

    // Resume with the button: 10 seconds, then the tick captures if due.
    run.NextCaptureTime = platform.now();
    const QDateTime resumed = platform.now();
    TempStopCommand(m);
    EXPECT_EQ(state(), Running);
    EXPECT_GE(resumed.msecsTo(platform.now()), 10000);
    EXPECT_TRUE(logMessages().contains(QStringLiteral("CaptureImage0")));

    // Resume by gesture: at once.
    ChangeSuspend(m, 0);
    EXPECT_EQ(state(), Suspended);
    run.NextCaptureTime = platform.now();
    const QDateTime byGesture = platform.now();
    const int captures = logMessages().count(QStringLiteral("CaptureImage0"));
    ChangeSuspend(m, 0);
    EXPECT_LT(byGesture.msecsTo(platform.now()), 100);
    EXPECT_EQ(logMessages().count(QStringLiteral("CaptureImage0")), captures + 1);

    TempStopCommand(m);
    StopMenuCommand(m);
    EXPECT_EQ(state(), Stopped);
}

}  // namespace bm::test
