#include <gtest/gtest.h>

#include <limits>

#include "app/NumberFormat.h"
#include "records/OutputFormat.h"

using bm::Currency;
namespace fmt = bm::fmt;

TEST(NumberFormat, FixedAndGroupedLayouts) {
    EXPECT_EQ(fmt::fixed(Currency::fromDouble(3.5), 2, false), QStringLiteral("3.50"));
    EXPECT_EQ(fmt::fixed(Currency::fromDouble(0.125), 2, false), QStringLiteral("0.13"));
    EXPECT_EQ(fmt::fixed(Currency::fromDouble(-0.125), 2, false), QStringLiteral("-0.13"));
    EXPECT_EQ(fmt::fixed(Currency::fromDouble(-0.004), 2, false), QStringLiteral("0.00"));
    EXPECT_EQ(fmt::fixed(Currency::fromInt(1234567), 2, true), QStringLiteral("1,234,567.00"));
    EXPECT_EQ(fmt::wholeOrEmpty(Currency(), false), QString());
    EXPECT_EQ(fmt::wholeOrEmpty(Currency::fromInt(-1234567), true), QStringLiteral("-1,234,567"));
    EXPECT_EQ(fmt::grouped(Currency::fromDouble(7.5)), QStringLiteral("8"));
    EXPECT_EQ(fmt::grouped(Currency()), QStringLiteral("0"));
    EXPECT_EQ(fmt::percent(Currency::fromDouble(12.34)), QStringLiteral("12.34 ％"));
    EXPECT_EQ(fmt::axisDecimal(Currency::fromInt(1)), QStringLiteral("   1.0"));
    EXPECT_EQ(fmt::axisDecimal(Currency::fromDouble(0.75)), QStringLiteral("   0.75"));
    EXPECT_EQ(fmt::rightAligned(QStringLiteral("7"), 5), QStringLiteral("    7"));
    EXPECT_EQ(fmt::rightAligned(QStringLiteral("123456"), 5), QStringLiteral("123456"));
}

TEST(NumberFormat, EndsOfTheCurrencyRange) {
    const Currency most = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    const Currency least = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(fmt::fixed(most, 2, false), QStringLiteral("922337203685477.58"));
    EXPECT_EQ(fmt::fixed(least, 2, false), QStringLiteral("-922337203685477.58"));
    EXPECT_EQ(fmt::fixed(least, 4, true), QStringLiteral("-922,337,203,685,477.5808"));
    EXPECT_EQ(fmt::grouped(most), QStringLiteral("922,337,203,685,478"));
    EXPECT_EQ(fmt::wholeOrEmpty(least, false), QStringLiteral("-922337203685478"));
    EXPECT_EQ(bm::FormatColumn(least, 6, 1, 0, true), QStringLiteral(" -922337203685478 "));
    // Whole numbers beyond a currency's range stop at its largest whole value.
    EXPECT_EQ(bm::FormatColumn(std::numeric_limits<std::int64_t>::min(), 6, 1, 0, true),
              QStringLiteral(" -922337203685477 "));
}

TEST(NumberFormat, LeadingNumberReading) {
    EXPECT_DOUBLE_EQ(fmt::leadingNumber(QStringLiteral("12.34 ％")), 12.34);
    EXPECT_DOUBLE_EQ(fmt::leadingNumber(QStringLiteral(" 1 2 3abc")), 123);
    EXPECT_DOUBLE_EQ(fmt::leadingNumber(QStringLiteral("2e-1x")), 0.2);
    EXPECT_DOUBLE_EQ(fmt::leadingNumber(QStringLiteral("5E")), 5);
    EXPECT_DOUBLE_EQ(fmt::leadingNumber(QStringLiteral("-.5")), -0.5);
    EXPECT_DOUBLE_EQ(fmt::leadingNumber(QString()), 0);
    EXPECT_DOUBLE_EQ(fmt::leadingNumber(QStringLiteral("abc")), 0);
}

TEST(FormatColumn, WidthCountsCp932Bytes) {
    EXPECT_EQ(bm::FormatColumn(12345, 11, 1, 0, false), QStringLiteral("    12,345 "));
    EXPECT_EQ(bm::FormatColumn(12345, 11, 1, 0, true), QStringLiteral("     12345 "));
    EXPECT_EQ(bm::FormatColumn(3.5, 8, 1, 2, true), QStringLiteral("   3.50 "));
    EXPECT_EQ(bm::FormatColumn(true, 8, 1, 0, true), QStringLiteral("   True "));
    EXPECT_EQ(bm::FormatColumn(1234567, 8, 1, 0, true), QStringLiteral(" 1234567 "));
    // "12.34 ％" is 7 characters but 8 bytes: the column is still 11 bytes.
    const QString col = bm::FormatColumn(QStringLiteral("12.34 ％"), 11, 1, 0, false);
    EXPECT_EQ(col, QStringLiteral("  12.34 ％ "));
}
