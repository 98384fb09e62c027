#include <gtest/gtest.h>

#include "MeasureFixture.h"
#include "measure/CaptureCycle.h"
#include "measure/CaptureNoticeRules.h"

namespace bm::test {

namespace {

class CaptureCycleTest : public MeasureFixture {
protected:
    CaptureCycleTest() { startRun(); }
    // Runs timer ticks every 10 seconds for `seconds`; returns the capture times.
    QStringList tickFor(int seconds) {
        QStringList captures;
        for (int s = 0; s < seconds; s += 10) {
            const int before = logMessages().count(QStringLiteral("CaptureImage0"));
            CaptureTimerTick(m);
            if (logMessages().count(QStringLiteral("CaptureImage0")) > before) {
                captures << platform.now().toString(QStringLiteral("HH:mm:ss"));
            }
            advanceSeconds(10);
        }
        return captures;
    }
};

const StatusBar FirstPositions{QStringLiteral("57"), QStringLiteral("12.34"),
                               QStringLiteral("123456"), false};

}  // namespace

TEST_F(CaptureCycleTest, ReadsTheStatusBarAndMeasures) {
    openGame(FirstPositions);
    CaptureImage(m);
    EXPECT_EQ(run.LvNow, 57);
    EXPECT_EQ(run.ExpNow, Currency::fromInt(1234));
    EXPECT_EQ(run.MoneyNow, Currency::fromInt(123456));
    EXPECT_EQ(run.LayoutMode, Layout::Regions1And2);
    EXPECT_EQ(run.NextCaptureTime, platform.now().addSecs(180));
    EXPECT_FALSE(run.CaptureBusy);

    run.Closing = true;  // closing stops captures
    run.LvNow = 1;
    CaptureImage(m);
    EXPECT_EQ(run.LvNow, 1);
}

TEST_F(CaptureCycleTest, TickCapturesOnlyWhenDueAndOnlyDuringARun) {
    openGame(FirstPositions);
    run.NextCaptureTime = platform.now();
    EXPECT_EQ(tickFor(400), (QStringList{"14:30:00", "14:33:00", "14:36:00"}));

    run.LogStartStamp.clear();
    advanceSeconds(600);
    CaptureTimerTick(m);
    EXPECT_FALSE(view.captureTimer);
    EXPECT_EQ(logMessages().count(QStringLiteral("CaptureImage0")), 3);
}

TEST_F(CaptureCycleTest, BackgroundWindowRetriesIn15SecondsAndFeedsTheGraphEvery481Attempts) {
    openGame(FirstPositions);
    const WindowId other =
        platform.addWindow(QStringLiteral("other"), QImage(10, 10, QImage::Format_RGB32));
    platform.setForeground(other);
    run.LvNow = 99;

    CaptureImage(m);
    EXPECT_EQ(run.NextCaptureTime, platform.now().addSecs(15));
    EXPECT_EQ(run.LvNow, 99);
    for (int i = 1; i < 481; ++i) {
        CaptureImage(m);
    }
    ASSERT_EQ(graph.samples.size(), 1u);
    EXPECT_EQ(graph.samples[0].rateE, Currency());
    EXPECT_EQ(run.BackgroundCount, 0);
    for (int i = 0; i < 480; ++i) {
        CaptureImage(m);
    }
    EXPECT_EQ(graph.samples.size(), 1u);
}

TEST_F(CaptureCycleTest, LayoutIsFoundAndLostAsTheStatusBarMoves) {
    const auto bar = [](bool exp, bool money, bool second) {
        return StatusBar{QStringLiteral("57"),
                         exp ? std::optional(QStringLiteral("1.00")) : std::nullopt,
                         money ? std::optional(QStringLiteral("500")) : std::nullopt, second};
    };
    const struct {
        StatusBar bar;
        bool undecidedBefore;
        Layout expected;
        const char* why;
    } steps[] = {
        {bar(false, true, true), false, Layout::Regions3And4, "money in region 4, Exp nowhere"},
        {bar(true, false, true), false, Layout::Regions3And4, "one value alone keeps the layout"},
        {bar(true, true, false), false, Layout::Undecided, "neither read where the layout says"},
        {bar(true, true, false), false, Layout::Regions1And2, "read in regions 1 and 2"},
        {bar(true, false, true), true, Layout::Regions3And4, "Exp in region 3 decides too"},
        {bar(false, false, false), true, Layout::Undecided, "nothing read"},
    };
    openGame({});
    for (const auto& step : steps) {
        show(step.bar);
        if (step.undecidedBefore) {
            run.LayoutMode = Layout::Undecided;
        }
        CaptureImage(m);
        EXPECT_EQ(run.LayoutMode, step.expected) << step.why;
    }
    EXPECT_EQ(run.ExpNow, Currency::fromInt(-1));
    EXPECT_EQ(run.MoneyNow, Currency::fromInt(-1));
}

TEST_F(CaptureCycleTest, CoveredRegionsAreNotAFailedReadAndAreLoggedOncePerRun) {
    openGame(StatusBar{std::nullopt, QStringLiteral("12.34"), QStringLiteral("123456")});
    // Over region 0 (the level) of the game's client area at (204, 124).
    const WindowId cover = platform.addWindow(QStringLiteral("Chat"),
                                              QImage(30, 30, QImage::Format_RGB32), {210, 120});
    CaptureImage(m);
    CaptureImage(m);
    EXPECT_FALSE(view.logBox.contains(QStringLiteral("認識失敗")));
    EXPECT_EQ(logMessages().count(QStringLiteral("Capture Region Covered By Another Window ")), 1);
    EXPECT_EQ(view.popupMessage, CoveredRegionsPopup);
    EXPECT_EQ(run.NextCaptureTime, platform.now().addSecs(15));

    // Uncovered, or covered only where the readings succeeded (region 1,
    // Exp), the failure is an ordinary one and the notice goes.
    platform.removeWindow(cover);
    platform.addWindow(QStringLiteral("Chat"), QImage(30, 10, QImage::Format_RGB32), {210, 140});
    CaptureImage(m);
    EXPECT_FALSE(view.popupVisible);
    EXPECT_TRUE(view.logBox.contains(QStringLiteral("認識失敗  Lv NG")));
    EXPECT_EQ(view.popupShows, 1);
}

}  // namespace bm::test
