#include <gtest/gtest.h>

#include "platform/ForegroundRule.h"
#include "platform/fake/FakeWindowTree.h"

namespace bm {
namespace {

using Focus = WindowTreeQueries::Focus;
using Kind = Focus::Kind;

// The tree: a managed game (10) in its frame (11) with a window inside it
// (12); a virtual desktop (21, framed by 20) holding a game (22); another
// window (30); an unmanaged game (40) at the root. 99 has gone.
constexpr WindowId Game = 10, Frame = 11, GameChild = 12;
constexpr WindowId DesktopFrame = 20, Desktop = 21, DesktopGame = 22;
constexpr WindowId Other = 30, UnmanagedGame = 40, Gone = 99;

struct Case {
    const char* name;
    WindowId game;
    std::optional<WindowId> active;
    Focus focus;
    WindowId underPointer;
    ForegroundReason expected;
    WindowId other;
};

constexpr auto In = ForegroundReason::InFront;

class ForegroundRuleTest : public ::testing::Test {
protected:
    ForegroundRuleTest() {
        tree.add(Frame);
        tree.add(Game, Frame);
        tree.add(GameChild, Game);
        tree.add(DesktopFrame);
        tree.add(Desktop, DesktopFrame);
        tree.add(DesktopGame, Desktop);
        tree.add(Other);
        tree.add(UnmanagedGame, 0, true);
    }
    FakeWindowTree tree;
    ForegroundRule rule;
};

const Focus NoFocus{};
const Focus PointerRoot{Kind::FollowsPointer, 0};
Focus on(WindowId w) {
    return {Kind::Window, w};
}

TEST_F(ForegroundRuleTest, DecidesByTheTable) {
    const Case cases[] = {
        {"ActiveIsGame", Game, Game, on(Other), 0, In, 0},
        {"ActiveIsFrameAroundGame", Game, Frame, NoFocus, 0, In, 0},
        {"ActiveIsDesktopHoldingGame", DesktopGame, Desktop, on(DesktopGame), 0, In, 0},
        {"ActiveIsAnotherWindow", Game, Other, on(Game), 0, ForegroundReason::OtherWindowActive,
         Other},
        {"NoWindowManagerFocusOnGame", Game, std::nullopt, on(Game), 0, In, 0},
        {"ActiveZeroFocusInsideGame", Game, WindowId{0}, on(GameChild), 0, In, 0},
        {"ActiveGoneFocusOnGame", Game, Gone, on(Game), 0, In, 0},
        {"ActiveZeroFocusOnDesktopHoldingGame", DesktopGame, WindowId{0}, on(Desktop), 0, In, 0},
        {"ActiveZeroFocusElsewhere", Game, WindowId{0}, on(Other), 0,
         ForegroundReason::FocusElsewhere, Other},
        {"ActiveZeroNoFocus", Game, WindowId{0}, NoFocus, 0, ForegroundReason::FocusElsewhere, 0},
        {"UnmanagedGameWithFocusWhileAnotherIsActive", UnmanagedGame, Other, on(UnmanagedGame), 0,
         In, 0},
        {"UnmanagedGameWithoutFocus", UnmanagedGame, WindowId{0}, on(Other), 0,
         ForegroundReason::FocusElsewhere, Other},
        {"PointerRootOverGame", Game, std::nullopt, PointerRoot, Frame, In, 0},
        {"PointerRootOverDesktopHoldingGame", DesktopGame, std::nullopt, PointerRoot, DesktopFrame,
         In, 0},
        {"PointerRootElsewhere", Game, std::nullopt, PointerRoot, Other,
         ForegroundReason::PointerElsewhere, Other},
        {"GameGone", Gone, std::nullopt, on(Gone), 0, ForegroundReason::FocusElsewhere, 0},
    };
    for (const Case& c : cases) {
        tree.active = c.active;
        tree.focus = c.focus;
        tree.underPointer = c.underPointer;
        const ForegroundVerdict v = ForegroundRule().check(tree, c.game, 1000);
        EXPECT_EQ(static_cast<int>(v.reason), static_cast<int>(c.expected)) << c.name;
        EXPECT_EQ(v.other, c.other) << c.name;
    }
}

TEST_F(ForegroundRuleTest, KeptFactsOfTheGameAreRefreshedWhenStale) {
    tree.active = Other;
    EXPECT_FALSE(rule.check(tree, Game, 2000).inFront());

    // Moved into a desktop: seen once the kept facts are stale.
    tree.add(Game, Desktop);
    tree.active = Desktop;
    EXPECT_FALSE(rule.check(tree, Game, 2000 + ForegroundRule::GameFactsKeptMs - 1).inFront());
    EXPECT_TRUE(rule.check(tree, Game, 2000 + ForegroundRule::GameFactsKeptMs).inFront());
}

}  // namespace
}  // namespace bm
