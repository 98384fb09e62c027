#include <gtest/gtest.h>

#include <QThread>

#include "PayRecordLines.h"
#include "ProgramHarness.h"
#include "UserInput.h"
#include "WineStandIn.h"
#include "app/Cp932.h"
#include "measure/WineFrame.h"
#include "platform/x11/X11Platform.h"

namespace bm {
namespace {

const QString GameTitle = QStringLiteral("LaTale Client");
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

void PrintTo(const WineCase& c, std::ostream* os) {
    *os << c.name;
}

class WineE2eTest : public ::testing::TestWithParam<WineCase> {};

// A click on the game window, as a player gives it the focus.
bool clickGame(test::ProgramHarness& program, test::UserInput& input) {
    const WindowId game = program.x11().findWindowByTitle(GameTitle);
    return game != 0 && input.click(game, GameClickPoint);
}

// The real program beside the Win32 stand-in under Wine: the first capture
// takes the baseline, new figures and a capture a minute later give the pay
// record line, value for value.
TEST_P(WineE2eTest, MeasuresTheWin32StandIn) {
    const WineCase& c = GetParam();
    test::WineStandIn game(c.setup, {QStringLiteral("--pos"), QStringLiteral("40,40")});
    ASSERT_TRUE(game.ready()) << game.output().toStdString();

    test::ProgramHarness program;
    ASSERT_TRUE(program.ready());
    // Below the game window and its frame, so it never covers the status bar.
    ASSERT_TRUE(program.writeSettings(program.autoRunSettings(330)));
    ASSERT_TRUE(program.start()) << program.output().toStdString();
    const auto log = [&] { return program.logMessages().join(QLatin1Char('\n')).toStdString(); };

    test::UserInput input(program.x11());
    ASSERT_TRUE(clickGame(program, input));
    if (c.wineDrawsTheFrame) {
        const WindowId box = input.waitForWindow(WineFrameTitle, 60000);
        ASSERT_NE(box, 0u) << log();
        ASSERT_TRUE(input.focus(box));
        ASSERT_TRUE(input.keys({QStringLiteral("Return")}));  // はい, the default button
        ASSERT_TRUE(input.waitForNoWindow(WineFrameTitle));
        ASSERT_TRUE(clickGame(program, input));
    }

    ASSERT_TRUE(test::eventually([&] { return !program.payRecordFiles().isEmpty(); }, 60000))
        << log();
    const QString record = program.file(QStringLiteral("log/") + program.payRecordFiles()[0]);
    ASSERT_TRUE(
        test::eventually([&] { return !test::TempFolder::readBytes(record).isEmpty(); }, 5000));
    const QByteArray header = test::TempFolder::readBytes(record);

    ASSERT_TRUE(game.send(QStringLiteral("exp 15.00 money 1240000")))
        << game.output().toStdString();
    ASSERT_TRUE(test::eventually(
        [&] { return test::TempFolder::readBytes(record).size() > header.size(); }, 150000))
        << log();
    QThread::msleep(200);  // the line is written in one call; let it finish
    const QString line = cp932::decode(test::TempFolder::readBytes(record).mid(header.size()));
    EXPECT_TRUE(test::recordLinesAfter(50, 150).contains(line.mid(11))) << line.toStdString();

    const bool offered =
        program.logMessages().contains(QStringLiteral("Wine Frame Offset Found : 3,22"));
    EXPECT_EQ(offered, c.wineDrawsTheFrame) << log();
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
