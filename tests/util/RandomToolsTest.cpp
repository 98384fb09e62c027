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

// The numbers of a RandomSequence text, row by row.
std::vector<std::vector<int>> rowsOf(const QString& text, int min, int max) {
    EXPECT_TRUE(text.startsWith(heading(min, max))) << text.toStdString();
    std::vector<std::vector<int>> rows;
    for (const QString& row : text.mid(heading(min, max).size()).split(kRowBreak)) {
        if (row.isEmpty()) {
            continue;
        }
        EXPECT_EQ(row.size() % 5, 0) << "five characters a number: " << row.toStdString();
        std::vector<int> numbers;
        for (qsizetype i = 0; i + 5 <= row.size(); i += 5) {
            numbers.push_back(row.mid(i, 5).trimmed().toInt());
        }
        rows.push_back(numbers);
    }
    return rows;
}

std::vector<int> flatten(const std::vector<std::vector<int>>& rows) {
    std::vector<int> all;
    for (const auto& row : rows) {
        all.insert(all.end(), row.begin(), row.end());
    }
    return all;
}

bool isPermutation(std::vector<int> values, int min, int max) {
    std::sort(values.begin(), values.end());
    std::vector<int> expected;
    for (int v = min; v <= max; ++v) {
        expected.push_back(v);
    }
    return values == expected;
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

TEST(RandomSequence, RowsOfTenHoldAPermutationOfTheRange) {
    RandomGenerator generator(3);
    const QString twenty = RandomSequence(generator, 20, 1, 10, 4);
    EXPECT_TRUE(twenty.endsWith(kRowBreak));  // a full last row ends with the next indent
    const auto rows20 = rowsOf(twenty, 1, 20);
    ASSERT_EQ(rows20.size(), 2u);
    EXPECT_TRUE(isPermutation(flatten(rows20), 1, 20));

    const QString twentyFive = RandomSequence(generator, 25, 1, 10, 4);
    EXPECT_FALSE(twentyFive.endsWith(kRowBreak));
    const auto rows25 = rowsOf(twentyFive, 1, 25);
    ASSERT_EQ(rows25.size(), 3u);
    EXPECT_EQ(rows25[1].size(), 10u);
    EXPECT_EQ(rows25[2].size(), 5u);
    EXPECT_TRUE(isPermutation(flatten(rows25), 1, 25));

    EXPECT_TRUE(
        isPermutation(flatten(rowsOf(RandomSequence(generator, 128, 1, 10, 4), 1, 128)), 1, 128));
    // A lower bound above 1 draws only from its own range.
    EXPECT_TRUE(isPermutation(flatten(rowsOf(RandomSequence(generator, 7, 3, 10, 4), 3, 7)), 3, 7));
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

class RandomMenuTest : public ::testing::Test {
protected:
    test::TestContext<> t;
    RandomGenerator generator{5};
    std::vector<NumericRequest> asked;

    NumericAsk answer(double value) {
        return [this, value](const NumericRequest& request) {
            asked.push_back(request);
            // The click is logged before the dialog opens.
            EXPECT_FALSE(t.logMessages().isEmpty());
            return value;
        };
    }
};

TEST_F(RandomMenuTest, RandomOneAsksItsRangeAndWritesOneLineUnlessCancelled) {
    const QString text = RandomOneClick(t.ctx, generator, answer(2));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].min, 2);
    EXPECT_EQ(asked[0].max, 32000);
    const QRegularExpression line(
        QStringLiteral("^\r\n  1 ～ 2 の範囲で、今回の乱数は [12] です\r\n\r\n$"));
    EXPECT_TRUE(line.match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(RandomOneClick(t.ctx, generator, answer(19999)).isEmpty());
    EXPECT_EQ(t.logMessages(), QStringList(2, QStringLiteral("Click : RandomOne ")));
}

TEST_F(RandomMenuTest, RandomSomeAsksItsCountAndWritesTheBlockUnlessCancelled) {
    const QString text = RandomSomeClick(t.ctx, generator, answer(6));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].max, 128);
    ASSERT_TRUE(text.startsWith(QStringLiteral("\r\n") + heading(1, 6)));
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n\r\n")));
    EXPECT_TRUE(isPermutation(flatten(rowsOf(text.mid(2, text.size() - 6), 1, 6)), 1, 6));
    EXPECT_TRUE(RandomSomeClick(t.ctx, generator, answer(19999)).isEmpty());
    EXPECT_EQ(t.logMessages(), QStringList(2, QStringLiteral("Click : RandomSome ")));
}

}  // namespace
}  // namespace bm
