#include <gtest/gtest.h>

#include "ProgramHarness.h"
#include "SimProcess.h"
#include "WineStandIn.h"
#include "app/Cp932.h"
#include "measure/WineFrame.h"
#include "platform/x11/X11Platform.h"

namespace bm {
namespace {

// A point of the stand-in's client area away from the figures, inside its X
// window whether or not Wine draws the frame there.
const QPoint GameClickPoint(200, 120);

struct WineCase {
    const char* name;
    test::WineSetup setup;
    // Wine draws the Win32 frame inside the game's X window: the regions
    // read only after the program's offer to shift them is accepted.
    bool wineDrawsTheFrame;
};

class WineE2eTest : public ::testing::TestWithParam<WineCase> {};

// A click on the game window, as a player gives it the focus.
bool clickGame(test::ProgramHarness& program) {
    const WindowId game = program.x11().findWindowByTitle(test::GameTitle);
    return game != 0 && program.click(game, GameClickPoint);
}

// The real program beside the Win32 stand-in under Wine: new figures give
// the pay record line, value for value.
TEST_P(WineE2eTest, MeasuresTheWin32StandIn) {
    const WineCase& c = GetParam();
    test::WineStandIn game(c.setup, {"--pos", "40,40"});
    ASSERT_TRUE(game.ready()) << game.output().toStdString();

    test::ProgramHarness program;
    ASSERT_TRUE(program.ready());
    // Below the game window and its frame, so it never covers the status bar.
    ASSERT_TRUE(program.writeSettings(program.autoRunSettings(330)));
    ASSERT_TRUE(program.start()) << program.output().toStdString();

    ASSERT_TRUE(clickGame(program));
    if (c.wineDrawsTheFrame) {
        const WindowId box = program.waitForWindow(WineFrameTitle, 60000);
        ASSERT_NE(box, 0u) << program.logText();
        ASSERT_TRUE(program.activate(box));
        ASSERT_TRUE(program.keys({QStringLiteral("Return")}));  // はい, the default button
        ASSERT_TRUE(program.waitForNoWindow(WineFrameTitle));
        ASSERT_TRUE(clickGame(program));
    }

    const QByteArray bytes = program.recordAfterChange(
        [&] { return game.send(QStringLiteral("exp 15.00 money 1240000")); }, 150000);
    ASSERT_FALSE(bytes.isEmpty()) << program.logText() << game.output().toStdString();
    const QString line = cp932::decode(bytes.mid(bytes.indexOf("\r\n") + 2));
    EXPECT_TRUE(test::ProgramHarness::changedRecordLines(50, 150).contains(line.mid(11)))
        << line.toStdString();

    const bool offered =
        program.logMessages().contains(QStringLiteral("Wine Frame Offset Found : 3,22"));
    EXPECT_EQ(offered, c.wineDrawsTheFrame) << program.logText();
    EXPECT_TRUE(program.close()) << program.output().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Setups, WineE2eTest,
                         ::testing::Values(WineCase{"Default", {}, false},
                                           WineCase{"Undecorated", {.decorated = false}, true},
                                           WineCase{"Unmanaged", {.managed = false}, true},
                                           WineCase{
                                               "VirtualDesktop", {.virtualDesktop = true}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bm
