#include <gtest/gtest.h>

#include "MeasureFixture.h"
#include "measure/CaptureCycle.h"

namespace bm::test {

namespace {

class CaptureCycleTest : public MeasureFixture {
protected:
    CaptureCycleTest() {
        settings.GraphShow = true;
        settings.PayRecordMonthly = false;
        startRun();
    }
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
const StatusBar SecondPositions{QStringLiteral("57"), QStringLiteral("12.34"),
                                QStringLiteral("123456"), true};

}  // namespace

TEST_F(CaptureCycleTest, ReadsTheStatusBarAndMeasures) {
    openGame(FirstPositions);
    CaptureImage(m);
    EXPECT_EQ(run.LvNow, 57);
    EXPECT_EQ(run.ExpNow, Currency::fromInt(1234));
    EXPECT_EQ(run.MoneyNow, Currency::fromInt(123456));
    EXPECT_EQ(run.LayoutMode, Layout::Regions1And2);
    EXPECT_EQ(run.NextCaptureTime, platform.now().addSecs(180));
    EXPECT_EQ(view.panel.lblStartLv, QStringLiteral("57"));
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

    platform.setForeground(game);
    CaptureImage(m);
    EXPECT_EQ(run.BackgroundCount, 0);
    EXPECT_EQ(run.LvNow, 57);
}

TEST_F(CaptureCycleTest, LayoutIsFoundAndLostAsTheStatusBarMoves) {
    openGame(StatusBar{QStringLiteral("57"), std::nullopt, QStringLiteral("500"), true});
    CaptureImage(m);
    EXPECT_EQ(run.LayoutMode, Layout::Regions3And4);  // money in region 4, Exp nowhere
    EXPECT_EQ(run.ExpNow, Currency::fromInt(-1));

    show(StatusBar{QStringLiteral("57"), QStringLiteral("1.00"), std::nullopt, true});
    CaptureImage(m);
    EXPECT_EQ(run.LayoutMode, Layout::Regions3And4);  // one value alone keeps the layout
    EXPECT_EQ(run.MoneyNow, Currency::fromInt(-1));

    show(FirstPositions);
    CaptureImage(m);
    EXPECT_EQ(run.LayoutMode, Layout::Undecided);  // neither read where the layout says
    CaptureImage(m);
    EXPECT_EQ(run.LayoutMode, Layout::Regions1And2);

    show(StatusBar{QStringLiteral("57"), QStringLiteral("1.00"), std::nullopt, true});
    run.LayoutMode = Layout::Undecided;
    CaptureImage(m);
    EXPECT_EQ(run.LayoutMode, Layout::Regions3And4);  // Exp in region 3 decides too

    show(StatusBar{QStringLiteral("57"), std::nullopt, std::nullopt, false});
    run.LayoutMode = Layout::Undecided;
    CaptureImage(m);
    EXPECT_EQ(run.LayoutMode, Layout::Undecided);
    EXPECT_EQ(run.ExpNow, Currency::fromInt(-1));
    EXPECT_EQ(run.MoneyNow, Currency::fromInt(-1));
}

}  // namespace bm::test
