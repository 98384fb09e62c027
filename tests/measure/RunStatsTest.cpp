#include <gtest/gtest.h>

#include "measure/RunFiguresText.h"
#include "measure/RunStats.h"

namespace bm::test {

namespace {

const QDateTime Start(QDate(2026, 12, 6), QTime(20, 0));

AcceptedReading at(int minutes, std::int32_t lv, double exp, std::int64_t money) {
    return {Start.addSecs(minutes * 60LL), lv, Currency::fromDouble(exp), Currency::fromInt(money)};
}

RunStats statsOf(std::initializer_list<AcceptedReading> readings) {
    RunStats stats;
    bool first = true;
    for (const AcceptedReading& r : readings) {
        stats.countAttempt(true);
        stats.addAccepted(r, first);
        first = false;
    }
    return stats;
}

}  // namespace

TEST(RunStats, LastHourStartsAtTheFirstCaptureInsideTheWindow) {
    // 20:00-21:00 slow (6 %/h), then 21:00-22:00 fast (12 %/h); the last hour
    // begins with the capture at exactly 21:00.
    const RunStats stats = statsOf({at(0, 50, 10, 0), at(30, 50, 13, 1000), at(60, 50, 16, 2000),
                                    at(90, 50, 22, 5000), at(120, 50, 28, 8000)});
    EXPECT_DOUBLE_EQ(*stats.lastHour().expPercent, 12.0);
    EXPECT_DOUBLE_EQ(*stats.lastHour().money, 6000.0);
    EXPECT_DOUBLE_EQ(*stats.sinceStart().expPercent, 9.0);
    EXPECT_DOUBLE_EQ(*stats.sinceStart().money, 4000.0);
}

TEST(RunStats, LevelUpCountsAHundredPercentAndIdleTimeIsDropped) {
    // 98 % -> Lv up 1 % in 30 minutes: 3 % gained. Then an idle hour (nothing
    // moves) that counts for neither rate, then 2 % in 30 minutes.
    const RunStats stats = statsOf({at(0, 50, 98, 0), at(30, 51, 1, 600), at(60, 51, 1, 600),
                                    at(90, 51, 1, 600), at(120, 51, 3, 1200)});
    EXPECT_EQ(stats.expGain(), Currency::fromInt(5));
    EXPECT_DOUBLE_EQ(*stats.sinceStart().expPercent, 5.0);  // 5 % in 60 counted minutes
    EXPECT_DOUBLE_EQ(*stats.lastHour().expPercent, 4.0);    // 60..120: 2 % in 30 minutes
    EXPECT_DOUBLE_EQ(*stats.sinceStart().money, 1200.0);

    // 97 % left at 4 %/h: 24 h 15 min at the last capture, counting down.
    EXPECT_EQ(*stats.secondsToLevel(Start.addSecs(120 * 60)), (24 * 60 + 15) * 60);
    EXPECT_EQ(*stats.secondsToLevel(Start.addSecs(125 * 60)), (24 * 60 + 10) * 60);
}

TEST(RunFiguresText, SummaryLine) {
    const RunStats stats = statsOf({at(0, 57, 60.00, 1000000), at(135, 58, 1.00, 2234567)});
    EXPECT_EQ(runtext::summaryLine(stats),
              QStringLiteral("LaTale 2026/12/06 20:00-22:15 (2時間15分) Lv57→58 Exp+41.00% "
                             "(18.2%/h) ELY+1,234,567 (548,696/h)"));
    EXPECT_EQ(runtext::summaryLine(RunStats()), QString());
}

}  // namespace bm::test
