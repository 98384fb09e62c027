#include <gtest/gtest.h>

#include "shell/MainWindowPlacement.h"

namespace bm {
namespace {

struct Case {
    const char* name;
    QRect window;
    bool remembered;
    QRect game;
    QRect expected;
    std::vector<QRect> bar = {QRect(110, 500, 200, 12), QRect(400, 500, 200, 12)};
};

const QRect Screen(0, 0, 1280, 800);
// A game window at (100, 50), 640 x 480, its status bar along the bottom.
const QRect Game(100, 50, 640, 480);

class MainWindowPlacementTest : public ::testing::TestWithParam<Case> {};

TEST_P(MainWindowPlacementTest, Places) {
    const Case& c = GetParam();
    const std::vector<QRect> bar = c.game.isValid() ? c.bar : std::vector<QRect>{};
    EXPECT_EQ(PlaceMainWindow(c.window, c.remembered, Screen, c.game, bar), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MainWindowPlacementTest,
    ::testing::Values(Case{"RememberedClearOfTheStatusBarStays", QRect(10, 560, 488, 200), true,
                           Game, QRect(10, 560, 488, 200)},
                      Case{"RememberedOverTheStatusBarGoesBesideTheGame", QRect(0, 0, 488, 600),
                           true, Game, QRect(740, 50, 488, 600)},
                      Case{"FirstStartGoesBesideTheGame", QRect(0, 0, 488, 600), false, Game,
                           QRect(740, 50, 488, 600)},
                      Case{"TooWideForTheRightGoesLeft", QRect(0, 0, 600, 400), false,
                           QRect(620, 100, 640, 480), QRect(20, 100, 600, 400)},
                      Case{"FirstStartWithoutGameGoesToTheRightEdge", QRect(0, 0, 488, 600), false,
                           QRect(), QRect(792, 0, 488, 600)},
                      Case{"NeverLargerThanTheScreen", QRect(0, 0, 1420, 960), false, QRect(),
                           QRect(0, 0, 1280, 800)},
                      Case{"NoRoomBesideAGameFillingTheScreenGoesOffTheStatusBar",
                           QRect(0, 0, 488, 300),
                           false,
                           QRect(0, 0, 1280, 800),
                           QRect(792, 30, 488, 300),
                           {QRect(10, 10, 1260, 20), QRect(10, 760, 1260, 20)}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bm
