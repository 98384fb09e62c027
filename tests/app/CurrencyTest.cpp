#include <gtest/gtest.h>

#include <limits>

#include "app/Currency.h"

using bm::Currency;

TEST(Currency, FromDoubleRoundsToFourDecimals) {
    EXPECT_EQ(Currency::fromDouble(12.34).raw(), 123400);
    EXPECT_EQ(Currency::fromDouble(0.00004).raw(), 0);
    EXPECT_EQ(Currency::fromDouble(0.00006).raw(), 1);
    EXPECT_EQ(Currency::fromDouble(-2.5).raw(), -25000);
}

TEST(Currency, ToWholeRoundsHalfToEven) {
    EXPECT_EQ(Currency::fromDouble(3.5).toWhole(), 4);
    EXPECT_EQ(Currency::fromDouble(2.5).toWhole(), 2);
    EXPECT_EQ(Currency::fromDouble(2.5001).toWhole(), 3);
    EXPECT_EQ(Currency::fromDouble(-2.5).toWhole(), -2);
}

TEST(Currency, TextHasNoTrailingZeros) {
    EXPECT_EQ(Currency::fromDouble(12.5).toString(), QStringLiteral("12.5"));
    EXPECT_EQ(Currency::fromInt(-1).toString(), QStringLiteral("-1"));
    EXPECT_EQ(Currency::fromRaw(-1).toString(), QStringLiteral("-0.0001"));
    EXPECT_EQ(Currency().toString(), QStringLiteral("0"));
}

TEST(Currency, ConversionsAtTheEndsOfTheRangeStayDefined) {
    constexpr std::int64_t Most = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t Least = std::numeric_limits<std::int64_t>::min();
    // A rate of a misread gain over a short interval can exceed the range.
    EXPECT_EQ(Currency::fromDouble(1e300).raw(), Most);
    EXPECT_EQ(Currency::fromDouble(-1e300).raw(), Least);
    EXPECT_EQ(Currency::fromDouble(std::numeric_limits<double>::infinity()).raw(), Most);
    EXPECT_EQ(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()).raw(), 0);
    EXPECT_EQ(Currency::fromRaw(Least).toString(), QStringLiteral("-922337203685477.5808"));
    EXPECT_EQ(Currency::fromRaw(Most).toString(), QStringLiteral("922337203685477.5807"));
}
