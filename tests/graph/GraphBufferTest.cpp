#include <gtest/gtest.h>

#include "app/OleDate.h"
#include "graph/clsGraphBuffer.h"
#include "records/ErrorNumbers.h"

using bm::clsGraphBuffer;
using bm::Currency;

namespace {

Currency cur(double v) {
    return Currency::fromDouble(v);
}

void add(clsGraphBuffer& b, double e, double m, int aveCount = 5, int maxCount = 240) {
    b.AddGraphData(cur(e), cur(m), aveCount, maxCount, 45000.5, 0.0);
}

}  // namespace

TEST(GraphBuffer, FirstSampleAveragesWithBlanksAndSetsMaxima) {
    clsGraphBuffer b;
    b.AddGraphData(cur(3.5), cur(120), 5, 240, 46361.6041666667, 1.0);
    EXPECT_EQ(b.Value(0).RateAveE(), cur(0.7));  // the four blank samples count as zeros
    EXPECT_EQ(b.MaxValueRateE(), 4);             // 3.5 goes to the even neighbour
    EXPECT_EQ(b.MaxValueTime(), 46362);

    // Time 0 stands for the given present; the earlier average stays as it was.
    b.AddGraphData(cur(6.5), cur(0), 2, 240, 0.0, 45123.25);
    EXPECT_DOUBLE_EQ(b.Value(0).Time(), 45123.25);
    EXPECT_EQ(b.Value(0).RateAveE(), cur(5));
    EXPECT_EQ(b.Value(1).RateAveE(), cur(0.7));
    EXPECT_EQ(b.MaxValueRateE(), 6);  // 6.5 to the even 6
}

TEST(GraphBuffer, UnreadRatesLeaveTheAverages) {
    clsGraphBuffer b;
    add(b, -1, 10, 3);
    add(b, 2, -1, 3);
    EXPECT_EQ(b.Value(0).RateAveE(), cur(1));  // (2 + 0) / 2
    EXPECT_EQ(b.Value(0).RateAveM(), cur(5));  // (10 + 0) / 2
    EXPECT_EQ(b.MaxValueRateE(), 2);           // negative rates are never maxima

    // Only exactly -1 counts as unread.
    add(b, -1.0002, -2, 1);
    EXPECT_EQ(b.Value(0).RateAveE(), cur(-1.0002));
}

TEST(GraphBuffer, RatesAreCappedAndCountsLimited) {
    clsGraphBuffer b;
    add(b, 5000000, 2147483.5, 1000, 1000);
    EXPECT_EQ(b.Value(0).RateE(), Currency::fromInt(2147483));
    EXPECT_EQ(b.Value(0).RateM(), Currency::fromInt(2147483));
    EXPECT_EQ(b.AveNum(), 512);

    // The maxima cover only the newest maxCount samples.
    add(b, 2.5, 3, 1, 1);
    EXPECT_EQ(b.MaxValueRateE(), 2);
    EXPECT_EQ(b.MaxValueRateM(), 3);
    add(b, 1, 1, 1, 4);
    EXPECT_EQ(b.MaxValueRateE(), 2147483);
}

TEST(GraphBuffer, FullBufferDropsTheOldestSampleAndIndexesOutsideFailWithError9) {
    clsGraphBuffer b;
    for (int i = 1; i <= 513; ++i) {
        add(b, i, 0, 1, 1);
    }
    EXPECT_EQ(b.BufferSize(), 512);
    EXPECT_EQ(b.Value(0).RateE(), cur(513));
    EXPECT_EQ(b.Value(511).RateE(), cur(2));
    try {
        (void)b.Value(512);
        ADD_FAILURE() << "no error";
    } catch (const bm::ErrorNumber& e) {
        EXPECT_EQ(e.number, 9);
    }
}

TEST(OleDate, DaysSinceTheEndOf1899) {
    EXPECT_DOUBLE_EQ(bm::toOleDate(QDateTime(QDate(2000, 1, 1), QTime(0, 0))), 36526.0);
    EXPECT_DOUBLE_EQ(bm::toOleDate(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(bm::fromOleDate(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    // A hair before midnight rounds to the next day, not to 24:00.
    EXPECT_EQ(bm::fromOleDate(36526.0 - 1e-10), QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
}
