#include <gtest/gtest.h>

#include "graph/GraphAxis.h"
#include "graph/GraphCurves.h"
#include "graph/clsGraphBuffer.h"
#include "records/DebugLog.h"

using bm::Currency;

namespace {

Currency cur(double v) {
    return Currency::fromDouble(v);
}

}  // namespace

TEST(GraphAxis, TopsAreTheFirstListValueStrictlyAbove) {
    const std::vector<std::pair<double, int>> exp{
        {0, 1}, {-3, 1}, {1, 2}, {8, 10}, {10, 20}, {400, 500}, {999.9999, 1000}, {1000, 0}};
    for (const auto& [v, top] : exp) {
        EXPECT_EQ(bm::ExpAxisTop(cur(v)), top) << v;
    }
    const std::vector<std::pair<double, int>> money{{0, 10},        {10, 20},        {800, 1000},
                                                    {10000, 15000}, {99999, 100000}, {100000, 0}};
    for (const auto& [v, top] : money) {
        EXPECT_EQ(bm::MoneyAxisTop(cur(v)), top) << v;
    }
}

TEST(GraphAxis, LabelTexts) {
    using L = std::array<QString, 4>;
    EXPECT_EQ(bm::ExpAxisLabels(1), (L{"   1.0", "  0.75", "   0.5", "  0.25"}));
    EXPECT_EQ(bm::ExpAxisLabels(1000), (L{"1000.0", " 750.0", " 500.0", " 250.0"}));
    // 7.5 and 2.5 round away from zero.
    EXPECT_EQ(bm::MoneyAxisLabels(10), (L{"10", "8", "5", "3"}));
    EXPECT_EQ(bm::MoneyAxisLabels(15000), (L{"15,000", "11,250", "7,500", "3,750"}));
    EXPECT_EQ(bm::TimeAxisCaption(5 * 240), QStringLiteral("経過時間(300分間隔)"));
}

// A plot of 90 x 101 pixels: W = 90, H = 100, ten points 10 pixels apart.
class GraphCurvesTest : public ::testing::Test {
protected:
    void add(double e, double m) { data.AddGraphData(cur(e), cur(m), 2, 10, 1.0, 0.0); }
    bm::GraphCurves curves(int offset, int expTop, int points = 10) {
        return bm::ComputeGraphCurves(data, offset, points, 90, 101, expTop, 10, trap);
    }

    bm::clsGraphBuffer data;
    bm::ErrorTrap trap;
};

TEST_F(GraphCurvesTest, NewestOnTheRightAndValuesScaledToTheTop) {
    add(1, 5);  // newest: Exp 1 of top 2 -> middle; money 5 of top 10 -> middle
    const auto c = curves(0, 2);
    ASSERT_EQ(c.rateE.size(), 10u);
    EXPECT_EQ(c.rateE[0], QPointF(90, 50));
    EXPECT_EQ(c.rateE[9], QPointF(0, 100));
    EXPECT_EQ(c.rateM[0], QPointF(90, 50));
    // The average over the newest and one blank is half the rate.
    EXPECT_EQ(c.aveE[0], QPointF(90, 75));
    EXPECT_FALSE(trap);

    // With an offset, an older sample lies on the right edge.
    add(0, 0);
    EXPECT_EQ(curves(1, 2).rateE.front(), QPointF(90, 50));
}

TEST_F(GraphCurvesTest, UnreadRateLeavesNoVertexButTheAverageDoes) {
    for (int i = 0; i < 5; ++i) {
        add(1, 5);
    }
    add(-1, -1);  // sample 2 after the next two additions
    add(1, 5);
    add(1, 5);
    const auto c = curves(0, 2);
    EXPECT_EQ(c.rateE.size(), 9u);
    EXPECT_EQ(c.rateE[2], QPointF(60, 50));
    EXPECT_EQ(c.aveE.size(), 10u);
    EXPECT_EQ(c.rateM, c.rateE);

    // A money curve that starts on an unread sample starts at the next one.
    add(-1, -1);
    EXPECT_EQ(curves(0, 2).rateM.front(), QPointF(80, 50));
}

TEST_F(GraphCurvesTest, VerticesAreRoundedAndClippedToTwiceTheHeight) {
    add(1000, 0);  // far above the top of 1: the start point is not clipped
    add(0.333, 0);
    add(1000, 0);
    const auto c = curves(0, 1);
    EXPECT_EQ(c.rateE[0].y(), 100 - 1000 * 100.0);
    EXPECT_EQ(c.rateE[1], QPointF(80, 67));  // 100 - 33.3 rounds to 67
    EXPECT_EQ(c.rateE[2], QPointF(70, -200));

    // Three points across 90 pixels put the middle one on x = 45.
    add(0.005, 0);  // y = 99.5 goes to the even 100
    add(0, 0);
    const auto d = curves(0, 1, 3);
    EXPECT_EQ(d.rateE[1], QPointF(45, 100));
}
