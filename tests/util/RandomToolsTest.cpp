#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include <QStringList>

#include "util/RandomTools.h"

namespace bm {
namespace {

const QString kRowBreak = QStringLiteral("\r\n    ");

QString heading(int min, int max) {
    return QStringLiteral("  %1 ～ %2 の範囲の乱数列は以下のとおりです").arg(min).arg(max) +
           kRowBreak;
}

// The rows of a RandomSequence text for min..max: empty unless the text starts
// with its heading and its numbers of five characters each are a permutation
// of the range.
QStringList rowsOf(const QString& text, int min, int max) {
    const QStringList rows =
        text.mid(heading(min, max).size()).split(kRowBreak, Qt::SkipEmptyParts);
    std::vector<int> numbers;
    for (const QString& row : rows) {
        for (qsizetype i = 0; i < row.size(); i += 5) {
            numbers.push_back(row.mid(i, 5).trimmed().toInt());
        }
    }
    std::sort(numbers.begin(), numbers.end());
    std::vector<int> range(max - min + 1);
    std::iota(range.begin(), range.end(), min);
    return text.startsWith(heading(min, max)) && numbers == range ? rows : QStringList{};
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
    EXPECT_EQ(rows[2].size(), 25);

    // A lower bound above 1 draws only from its own range.
    EXPECT_EQ(rowsOf(RandomSequence(generator, 7, 3, 10, 4), 3, 7).size(), 1);
}

}  // namespace
}  // namespace bm
