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

}  // namespace
}  // namespace bm
