#include <gtest/gtest.h>

#include <QStringList>

#include "util/PopupAnswers.h"

namespace bm {
namespace {

QStringList textsOf(const std::vector<PopupFrame>& frames) {
    QStringList out;
    for (const auto& f : frames) {
        out << f.text;
    }
    return out;
}

TEST(PopupAnswer, EveryAnswerEndsWithAFrameWithoutItsOwnWait) {
    for (int c = 1; c <= 260; ++c) {
        const auto frames = PopupAnswer(c, QStringLiteral("LaTale Client"));
        ASSERT_FALSE(frames.empty()) << c;
        EXPECT_EQ(frames.back().waitMs, 0) << c;
        for (size_t i = 0; i + 1 < frames.size(); ++i) {
            EXPECT_GT(frames[i].waitMs, 0) << c << " frame " << i;
        }
    }
}

TEST(PopupAnswer, FastReplaysShowTheSameFramesAtHalfTheWaits) {
    for (int c : {25, 30, 35, 40, 45, 50}) {
        const auto normal = PopupAnswer(c, QString());
        const auto fast = PopupAnswer(c + 35, QString());
        ASSERT_GT(normal.size(), 2u) << c;
        EXPECT_EQ(textsOf(normal), textsOf(fast)) << c;
        for (size_t i = 0; i < normal.size(); ++i) {
            EXPECT_EQ(normal[i].waitMs, 2 * fast[i].waitMs) << c << " frame " << i;
        }
    }
}

TEST(PopupAnswer, FastReplayOfTheLastAnimationSkipsItsFirstFrame) {
    const auto normal = PopupAnswer(55, QString());
    const auto fast = PopupAnswer(90, QString());
    ASSERT_EQ(normal.size(), 8u);
    ASSERT_EQ(fast.size(), 7u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(fast[i].text, normal[i + 1].text) << i;
    }
    EXPECT_NE(fast[5].text, normal[6].text);
    EXPECT_TRUE(fast[5].text.startsWith(normal[6].text.left(20)));
    EXPECT_EQ(fast[6].text, normal[7].text);
    EXPECT_EQ(fast[0].waitMs, 250);
    EXPECT_EQ(normal[0].waitMs, 500);
}

}  // namespace
}  // namespace bm
