#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include <QStringList>

#include "util/RandomTools.h"

namespace bm {
namespace {

const QString kRowBreak = QStringLiteral("\r\n    ");

// True when the text is the heading for min..max followed by a permutation of the range.
bool isPermutationOf(const QString& text, int min, int max) {
    const QString heading =
        QStringLiteral("  %1 ～ %2 の範囲の乱数列は以下のとおりです").arg(min).arg(max) + kRowBreak;
    std::vector<int> numbers;
    for (const QString& n : text.mid(heading.size()).simplified().split(QLatin1Char(' '))) {
        numbers.push_back(n.toInt());
    }
    std::sort(numbers.begin(), numbers.end());
    std::vector<int> range(max - min + 1);
    std::iota(range.begin(), range.end(), min);
    return text.startsWith(heading) && numbers == range;
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

// Rows of ten numbers of five characters; a full last row ends with the next indent.
TEST(RandomSequence, RowsOfTenHoldAPermutationOfTheRange) {
    const auto rowSizes = [](const QString& text) {
        QList<qsizetype> sizes;
        for (const QString& row : text.split(kRowBreak).mid(1)) {
            sizes << row.size();
        }
        return sizes;
    };
    RandomGenerator generator(3);
    const QString twenty = RandomSequence(generator, 20, 1, 10, 4);
    EXPECT_TRUE(isPermutationOf(twenty, 1, 20));
    EXPECT_EQ(rowSizes(twenty), (QList<qsizetype>{50, 50, 0}));
    const QString twentyFive = RandomSequence(generator, 25, 1, 10, 4);
    EXPECT_TRUE(isPermutationOf(twentyFive, 1, 25));
    EXPECT_EQ(rowSizes(twentyFive), (QList<qsizetype>{50, 50, 25}));
    // A lower bound above 1 draws only from its own range.
    EXPECT_TRUE(isPermutationOf(RandomSequence(generator, 7, 3, 10, 4), 3, 7));
}

}  // namespace
}  // namespace bm
