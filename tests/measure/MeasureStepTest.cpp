#include <gtest/gtest.h>

#include "MeasureFixture.h"
#include "app/Cp932.h"
#include "measure/LoggingRun.h"
#include "measure/MeasureStep.h"
#include "records/PayRecord.h"

namespace bm::test {

namespace {

class MeasureStepTest : public MeasureFixture {
protected:
    MeasureStepTest() {
        settings.GraphAverageCount = 5;
        startRun();
    }
};

}  // namespace

TEST_F(MeasureStepTest, MissingReadingsAreNamedAndRetriedSoon) {
    const struct {
        std::int32_t lv;
        std::int64_t exp, money;
        const char* text;
    } rows[] = {{-1, -1, -1, "全部 NG"},        {50, -1, -1, "ExpとMoney NG"},
                {-1, 1234, -1, "LvとMoney NG"}, {50, 1234, -1, "Money NG"},
                {-1, -1, 0, "LvとExp NG"},      {50, -1, 0, "Exp NG"},
                {-1, 1234, 0, "Lv NG"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        measure(50, 1234, 1000);  // a reference that must survive the failure
        const auto references = std::make_tuple(run.ExpData, run.ExpSeconds, run.MoneyData,
                                                run.MoneySeconds, run.LvData);
        view.logBox.clear();
        advanceSeconds(180);
        measure(row.lv, row.exp, row.money);

        const QString line = platform.now().toString(QStringLiteral("MM/dd HH:mm")) +
                             QStringLiteral("  認識失敗  ") + QString::fromUtf8(row.text);
        EXPECT_EQ(view.logBox, line + QStringLiteral("\r\n"));
        EXPECT_EQ(run.NextCaptureTime, platform.now().addSecs(15));
        EXPECT_EQ(logMessages().last(), QStringLiteral("ImageRecognition misstep :") + line);
        EXPECT_EQ(references, std::make_tuple(run.ExpData, run.ExpSeconds, run.MoneyData,
                                              run.MoneySeconds, run.LvData));
    }
}

TEST_F(MeasureStepTest, FirstAcceptedCaptureIsABaselineWithAHeaderInTheRecordFile) {
    measure(50, 1234, 1000);

    EXPECT_EQ(view.logBox, QStringLiteral("12/05 14:30   50   12.34 ％          1,000 \r\n"));
    EXPECT_EQ(payRecord(), cp932::encode(PayRecordHeader(false) + QStringLiteral("\r\n")));
    EXPECT_EQ(view.panel.lblStartExp, QStringLiteral("12.34 ％"));
    EXPECT_TRUE(graph.samples.empty());
}

// Money is counted in thousands per hour.
TEST_F(MeasureStepTest, GainsInTenMinutesGiveHourlyRatesAndARecordLine) {
    measure(50, 1234, 1000);
    view.logBox.clear();
    advanceSeconds(600);
    measure(50, 1500, 6000);

    EXPECT_EQ(view.logBox, QStringLiteral("12/05 14:40   50    2.66 ％          5,000   10.0   "
                                          "15.96 ％        30.0 \r\n"));
    const QByteArray record = payRecord();
    const QByteArray lastLine = record.mid(record.indexOf("\r\n") + 2);
    EXPECT_EQ(lastLine, cp932::encode(QStringLiteral(
                            "12/05 14:40     50        15.00             6,000         2.66     "
                            "         5,000       10.0          15.96           30.00 \r\n")));
    ASSERT_EQ(graph.samples.size(), 1u);
    EXPECT_EQ(graph.samples[0].rateE.toString(), QStringLiteral("15.96"));
    EXPECT_EQ(graph.samples[0].rateM.toString(), QStringLiteral("30"));
}

TEST_F(MeasureStepTest, IdleIntervalsCountForNeitherRate) {
    measure(50, 1000, 1000);
    view.logBox.clear();
    const QByteArray recordBefore = payRecord();

    advanceSeconds(3600);  // an hour without any change
    measure(50, 1000, 1000);
    EXPECT_TRUE(view.logBox.isEmpty());
    EXPECT_EQ(payRecord(), recordBefore);
    ASSERT_EQ(graph.samples.size(), 1u);
    EXPECT_EQ(graph.samples[0].rateE, Currency());

    advanceSeconds(360);
    measure(50, 1100, 1360);
    EXPECT_EQ(run.ExpSeconds[2], 360);
    EXPECT_EQ(run.MoneySeconds[2], 360);
    EXPECT_EQ(graph.samples.back().rateE.toString(), QStringLiteral("10"));
    EXPECT_EQ(graph.samples.back().rateM.toString(), QStringLiteral("3.6"));
}

TEST_F(MeasureStepTest, EachLevelGainedCountsAsAHundredPercent) {
    measure(50, 9950, 1000);
    advanceSeconds(600);
    measure(51, 0, 1000);  // Exp 0.00 % right after a level-up is a complete reading
    EXPECT_EQ(run.ExpData[2].toString(), QStringLiteral("0.5"));
    advanceSeconds(600);
    measure(53, 40, 1000);  // two more levels: still the same character
    EXPECT_EQ(run.ExpData[2].toString(), QStringLiteral("200.4"));
    EXPECT_EQ(reseeds, 0);
}

TEST_F(MeasureStepTest, LevelUpByThreeOrDownIsAnotherCharacter) {
    for (const int newLevel : {53, 49}) {
        SCOPED_TRACE(newLevel);
        run = RunState{};
        startRun();
        graph.samples.clear();
        view.logBox.clear();
        run.WatchExpData[3] = Currency::fromInt(5);
        measure(50, 1234, 1000);
        advanceSeconds(600);
        run.LayoutMode = Layout::Regions3And4;
        measure(newLevel, 500, 2000);

        EXPECT_TRUE(view.logBox.contains(QStringLiteral("キャラクタチェンジ検出\r\n") +
                                         QStringLiteral(" 経過: ")));
        EXPECT_TRUE(view.logBox.contains(LogBoxHeader));
        EXPECT_EQ(run.LayoutMode, Layout::Undecided);
        EXPECT_EQ(run.WatchExpData[3], Currency());
        // The new character's first capture is its baseline: no gains line.
        EXPECT_TRUE(view.logBox.endsWith(QStringLiteral("    5.00 ％          2,000 \r\n")));
        EXPECT_EQ(run.MoneyData[1], Currency::fromInt(2000));
        // The averaged curve starts afresh.
        EXPECT_EQ(graph.samples.size(), 4u);
    }
    EXPECT_EQ(reseeds, 2);
}

TEST_F(MeasureStepTest, ANewRunIsBaselinedButKeepsTheMoneyReference) {
    measure(50, 1234, 1000);
    advanceSeconds(600);
    measure(50, 1300, 2000);

    ChangeLogging(m, LoggingMode::Stop);
    advanceSeconds(600);
    startRun();
    view.logBox.clear();

    measure(50, 1400, 2500);
    EXPECT_EQ(view.logBox, QStringLiteral("12/05 14:50   50   14.00 ％          2,500 \r\n"));
    advanceSeconds(600);
    measure(50, 1500, 4000);
    // Money since the last accepted capture of the previous run, 20 minutes ago.
    EXPECT_EQ(run.MoneyData[2], Currency::fromInt(2000));
    EXPECT_EQ(run.MoneySeconds[2], 1200);
    EXPECT_EQ(run.ExpSeconds[2], 600);
}

TEST(MeasureClock, SecondsRoundHalfToEvenAndSurviveTheClockWrap) {
    FakePlatform platform;
    platform.setTick(2500);
    EXPECT_EQ(ClockSeconds(platform), 2);
    platform.setTick(3500);
    EXPECT_EQ(ClockSeconds(platform), 4);
    platform.setTick(4294967295u);
    EXPECT_EQ(ClockSeconds(platform), 4294967);

    EXPECT_EQ(SecondsBetween(100, 700), 600);
    EXPECT_EQ(SecondsBetween(4294900, 533), 600);
}

}  // namespace bm::test
