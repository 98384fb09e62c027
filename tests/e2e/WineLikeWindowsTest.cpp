#include <gtest/gtest.h>

#include "Polling.h"
#include "SimProcess.h"
#include "SimScript.h"
#include "StatusBarPainter.h"
#include "platform/x11/X11Platform.h"

// Xlib last: its macros clash with Qt names.
#include <X11/Xlib.h>

namespace bm {
namespace {

using test::eventually;
using test::SimProcess;
using test::waitForWindow;
using test::windowManagerRuns;

const QString GameTitle = QStringLiteral("LaTale Client");

// What the stand-in's client area shows with its default figures.
QImage defaultStatusBar() {
    sim::SimState state;
    const auto line = sim::parseSimLine(
        QStringLiteral("lv 57 exp 12.34 money 1234567 mode window position 1 lvset standard"), 0);
    for (const auto& action : line.command->actions) {
        sim::applyToState(action, state);
    }
    return renderStatusBar(state);
}

QImage clientArea(X11Platform& x, WindowId window, QSize size) {
    PixelBuffer pixels;
    x.captureRegion(window, true, 0, 0, size.width(), size.height(), pixels);
    return pixels.toImage();
}

// The stand-in in the shapes Wine gives the game window; each must be found,
// read pixel for pixel and taken as in front exactly while it is.
struct WineLikeWindows : testing::Test {
    void expectFoundReadAndInFront(const QStringList& arguments) {
        SimProcess sim{arguments};
        ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
        const WindowId game = waitForWindow(x, GameTitle);
        ASSERT_NE(game, 0u);
        const QImage expected = defaultStatusBar();
        EXPECT_TRUE(eventually([&] { return clientArea(x, game, expected.size()) == expected; }));
        EXPECT_TRUE(eventually([&] { return x.isForeground(game); }));

        // Behind, the platform names the window in front instead.
        ASSERT_TRUE(sim.send(QStringLiteral("focus away")));
        EXPECT_TRUE(eventually([&] {
            const ForegroundVerdict v = x.checkForeground(game);
            return !v.inFront() && x.windowTitle(v.other) == QStringLiteral("Focus Thief");
        }));
        ASSERT_TRUE(sim.send(QStringLiteral("focus back")));
        EXPECT_TRUE(eventually([&] { return x.isForeground(game); }));
    }

    X11Platform x;
};

TEST_F(WineLikeWindows, AnUnmanagedWindowHoldingTheFocus) {
    expectFoundReadAndInFront(
        {QStringLiteral("--pos"), QStringLiteral("60,50"), QStringLiteral("--unmanaged")});
}

TEST_F(WineLikeWindows, AWindowInsideAVirtualDesktop) {
    expectFoundReadAndInFront({QStringLiteral("--pos"), QStringLiteral("30,30"),
                               QStringLiteral("--desktop"), QStringLiteral("500x300")});
}

TEST_F(WineLikeWindows, WithoutAWindowManagerAFocusAtPointerRootFollowsThePointer) {
    if (windowManagerRuns()) {
        GTEST_SKIP() << "a window manager keeps the focus on a window";
    }
    SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("60,50")}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    const WindowId game = waitForWindow(x, GameTitle);
    ASSERT_NE(game, 0u);
    Display* d = x.display();
    const Window root = DefaultRootWindow(d);
    XSetInputFocus(d, PointerRoot, RevertToPointerRoot, CurrentTime);
    XWarpPointer(d, None, root, 0, 0, 0, 0, 100, 100);
    XSync(d, False);
    EXPECT_TRUE(eventually([&] { return x.isForeground(game); }));
    XWarpPointer(d, None, root, 0, 0, 0, 0, 900, 700);
    XSync(d, False);
    EXPECT_TRUE(eventually(
        [&] { return x.checkForeground(game).reason == ForegroundReason::PointerElsewhere; }));
}

TEST_F(WineLikeWindows, AWindowOverTheClientAreaCoversOnlyWhatItOverlaps) {
    SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("60,50")}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    const WindowId game = waitForWindow(x, GameTitle);
    ASSERT_NE(game, 0u);
    const auto origin = x.clientOrigin(game);
    ASSERT_TRUE(origin.has_value());
    EXPECT_FALSE(x.clientRectCovered(game, QRect(0, 100, 100, 20)));

    // An unmanaged window stays above the game without taking the focus.
    Display* d = x.display();
    XSetWindowAttributes a{};
    a.override_redirect = True;
    const Window cover =
        XCreateWindow(d, DefaultRootWindow(d), origin->x(), origin->y() + 110, 50, 30, 0,
                      CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect, &a);
    XMapRaised(d, cover);
    XSync(d, False);
    EXPECT_TRUE(eventually([&] { return x.clientRectCovered(game, QRect(0, 100, 100, 20)); }));
    EXPECT_FALSE(x.clientRectCovered(game, QRect(60, 100, 100, 20)));
    EXPECT_FALSE(x.clientRectCovered(game, QRect(0, 0, 100, 20)));
    XDestroyWindow(d, cover);
    XSync(d, False);
    EXPECT_TRUE(eventually([&] { return !x.clientRectCovered(game, QRect(0, 100, 100, 20)); }));
}

}  // namespace
}  // namespace bm
