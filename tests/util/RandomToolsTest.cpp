#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <set>

#include "support/TestContext.h"
#include "util/RandomTools.h"

namespace bm {
namespace {

const QString kRowBreak = QStringLiteral("\r\n    ");

QString heading(int min, int max) {
    return QStringLiteral("  %1 ～ %2 の範囲の乱数列は以下のとおりです").arg(min).arg(max) +
           kRowBreak;
}

// The rows of a RandomSequence text for min..max; empty unless the text
// starts with its heading and every number takes five characters.
QStringList rowsOf(const QString& text, int min, int max) {
    if (!text.startsWith(heading(min, max))) {
        return {};
    }
    QStringList rows = text.mid(heading(min, max).size()).split(kRowBreak, Qt::SkipEmptyParts);
    std::vector<int> numbers;
    for (const QString& row : rows) {
        for (qsizetype i = 0; i < row.size(); i += 5) {
            numbers.push_back(row.mid(i, 5).trimmed().toInt());
        }
    }
    std::sort(numbers.begin(), numbers.end());
    for (int v = min; v <= max; ++v) {
        if (v - min >= static_cast<int>(numbers.size()) || numbers[v - min] != v) {
            return {};
        }
    }
    return numbers.size() == static_cast<size_t>(max - min + 1) ? rows : QStringList{};
}

TEST(RandomInt, StaysWithinBaseAndRangeAndReachesBothEnds) {
    RandomGenerator generator(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int r = RandomInt(generator, 10, -5);
        ASSERT_GE(r, -5);
        ASSERT_LE(r, 4);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 10u);
}

// Each row holds ten numbers of five characters; together they are a
// permutation of the range.
TEST(RandomSequence, RowsOfTenHoldAPermutationOfTheRange) {
    RandomGenerator generator(3);
    const QString twenty = RandomSequence(generator, 20, 1, 10, 4);
    EXPECT_TRUE(twenty.endsWith(kRowBreak));  // a full last row ends with the next indent
    EXPECT_EQ(rowsOf(twenty, 1, 20).size(), 2);

    const QString twentyFive = RandomSequence(generator, 25, 1, 10, 4);
    EXPECT_FALSE(twentyFive.endsWith(kRowBreak));
    const QStringList rows = rowsOf(twentyFive, 1, 25);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].size(), 50);
    EXPECT_EQ(rows[2].size(), 25);

    EXPECT_EQ(rowsOf(RandomSequence(generator, 128, 1, 10, 4), 1, 128).size(), 13);
    // A lower bound above 1 draws only from its own range.
    EXPECT_EQ(rowsOf(RandomSequence(generator, 7, 3, 10, 4), 3, 7).size(), 1);
}

std::vector<int> draws(RandomGenerator& generator) {
    std::vector<int> out;
    for (int i = 0; i < 8; ++i) {
        out.push_back(RandomInt(generator, 1000000, 0));
    }
    return out;
}

TEST(SeedRandom, FollowsTheClocksIncludingTheFirstSecondOfADay) {
    FakePlatform platform;
    RandomGenerator a;
    RandomGenerator b;
    platform.setTick(123456);
    SeedRandom(a, platform);
    SeedRandom(b, platform);
    EXPECT_EQ(draws(a), draws(b)) << "same clocks, same sequence";

    SeedRandom(a, platform);
    platform.setTick(123457);
    SeedRandom(b, platform);
    EXPECT_NE(draws(a), draws(b)) << "another millisecond, another sequence";

    // Midnight: no division by zero, and each day seeds differently.
    platform.setNow(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0)));
    SeedRandom(a, platform);
    platform.setNow(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 0)));
    SeedRandom(b, platform);
    EXPECT_NE(draws(a), draws(b));
}

TEST(RandomMenus, AskTheirRangeLogTheClickAndWriteNothingWhenCancelled) {
    test::TestContext<> t;
    RandomGenerator generator{5};
    std::vector<NumericRequest> asked;
    const auto answer = [&](double value) -> NumericAsk {
        return [&asked, &t, value](const NumericRequest& request) {
            asked.push_back(request);
            EXPECT_FALSE(t.logMessages().isEmpty()) << "the click is logged before the dialog";
            return value;
        };
    };

    const QString one = RandomOneClick(t.ctx, generator, answer(2));
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^\r\n  1 ～ 2 の範囲で、今回の乱数は [12] です\r\n\r\n$"))
                    .match(one)
                    .hasMatch())
        << one.toStdString();
    const QString some = RandomSomeClick(t.ctx, generator, answer(6));
    ASSERT_TRUE(some.startsWith(QStringLiteral("\r\n")));
    ASSERT_TRUE(some.endsWith(QStringLiteral("\r\n\r\n")));
    EXPECT_EQ(rowsOf(some.mid(2, some.size() - 6), 1, 6).size(), 1);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].min, 2);
    EXPECT_EQ(asked[0].max, 32000);
    EXPECT_EQ(asked[1].max, 128);

    EXPECT_TRUE(RandomOneClick(t.ctx, generator, answer(19999)).isEmpty());
    EXPECT_TRUE(RandomSomeClick(t.ctx, generator, answer(19999)).isEmpty());
    EXPECT_EQ(
        t.logMessages(),
        (QStringList{QStringLiteral("Click : RandomOne "), QStringLiteral("Click : RandomSome "),
                     QStringLiteral("Click : RandomOne "), QStringLiteral("Click : RandomSome ")}));
}

}  // namespace
}  // namespace bm
