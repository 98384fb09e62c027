#include <gtest/gtest.h>

#include "app/RunState.h"
#include "gesture/GestureMatcher.h"

using bm::FeedGesture;
using bm::GestureAction;

namespace {

// Feeds one click (press and release as two notifications) per letter of
// `clicks` ("L", "R" or "B" for both buttons together), 100 ms apart.
struct Clicker {
    bm::RunState run;
    double clock = 100000;
    int waitMs = 500;

    std::optional<GestureAction> notify(const QString& tokens, double stepMs = 100) {
        clock += stepMs;
        return FeedGesture(run, waitMs, tokens, clock, clock);
    }
    std::optional<GestureAction> clicks(const QString& pattern) {
        for (QChar c : pattern) {
            const QString button = c == QLatin1Char('B') ? QStringLiteral("L%1R%1")
                                                         : QString(c) + QStringLiteral("%1");
            for (const char* edge : {"d", "u"}) {
                if (const auto got = notify(button.arg(QLatin1String(edge)))) {
                    return got;
                }
            }
        }
        return std::nullopt;
    }
};

}  // namespace

// Each gesture of the table is recognised through the main window's tests;
// these are the rules of the click sequence itself.
TEST(GestureMatcher, NeedsSixteenCharactersAndKeepsTheLastTwenty) {
    Clicker c;
    // One double-button click is 8 characters: never a screenshot by itself.
    EXPECT_FALSE(c.clicks(QStringLiteral("B")));
    EXPECT_EQ(c.run.GestureSequence, QStringLiteral("LdRdLuRu"));
    EXPECT_FALSE(c.clicks(QStringLiteral("LLLLLL")));
    EXPECT_EQ(c.run.GestureSequence, QStringLiteral("LuLdLuLdLuLdLuLdLuLdLu").right(20));
    // Within the 20-character window earlier clicks still count: L L + R L L
    // ends on L R L L.
    Clicker window;
    EXPECT_FALSE(window.clicks(QStringLiteral("LLL")));
    EXPECT_EQ(window.clicks(QStringLiteral("RLL")), GestureAction::Suspend);
}

TEST(GestureMatcher, PauseLongerThanWaitTimeStartsOver) {
    Clicker c;
    EXPECT_FALSE(c.clicks(QStringLiteral("LR")));
    c.clock += 600;  // pause
    EXPECT_FALSE(c.clicks(QStringLiteral("LL")));
    EXPECT_EQ(c.run.GestureSequence, QStringLiteral("LdLuLdLu"));
    // A pause exactly at the wait time also starts over.
    Clicker edge;
    edge.notify(QStringLiteral("Ld"));
    edge.notify(QStringLiteral("Lu"), 500);
    EXPECT_EQ(edge.run.GestureSequence, QStringLiteral("Lu"));
}
