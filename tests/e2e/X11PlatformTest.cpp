#include <gtest/gtest.h>

#include <QProcess>
#include <QTimer>
#include <array>
#include <memory>

#include "SimProcess.h"
#include "StatusBarPainter.h"
#include "app/GameWindow.h"
#include "app/RecognitionView.h"
#include "capture/PixelString.h"
#include "measure/RecognizeRegion.h"
#include "platform/x11/X11Platform.h"
#include "settings/SettingsDefaults.h"
#include "support/TestContext.h"

// Xlib last: its macros clash with Qt names.
#include <X11/Xlib.h>

// The X11 platform against the status-bar stand-in: the game window found,
// told in front or behind, and its regions read the way a capture reads them.

namespace bm {
namespace {

using test::eventually;
using test::GameTitle;
using test::SimProcess;

constexpr int Lv = 0;
constexpr int Exp = 1;
constexpr int Money = 2;

const QString NotFind = QStringLiteral("NotFind");
const QString NotRecognised = QStringLiteral("認識NG");

// The layout the stand-in draws: full-screen or window-mode regions, Exp and
// money in their first or second position, and the level glyph set.
struct SimLayout {
    const char* name = "";
    bool fullScreen = false;
    int position = 1;
    bool windows7Lv = false;

    QStringList arguments() const {
        return QStringLiteral("--mode %1 --position %2 --lvset %3")
            .arg(fullScreen ? "fullscreen" : "window")
            .arg(position)
            .arg(windows7Lv ? "win7" : "standard")
            .split(u' ');
    }
};

// The latest label the recognition showed for each reading.
struct RecordingView : RecognitionView {
    void setRecognitionLabel(int cat, const QString& text) override {
        labels[static_cast<size_t>(cat)] = text;
    }
    std::array<QString, ReadingCount> labels;
};

// The results of the three readings, and the labels the recognition showed.
using Reading = std::pair<std::array<QString, ReadingCount>, std::array<QString, ReadingCount>>;

// A reading whose digits were all read: the labels show them as drawn.
Reading digits(const char* lv, const char* exp, const char* money) {
    return {{lv, exp, money}, {lv, exp, money}};
}

const Reading Nothing{{}, {NotFind, NotFind, NotFind}};
// The stand-in's figures when started: level 57, 12.34 % and 1,234,567 ELY.
const Reading Defaults = digits("57", "1234", "1234567");

// The stand-in, started by each test, read with the default settings of its
// layout.
class StandIn : public testing::Test {
protected:
    void start(const QStringList& arguments = {}, const SimLayout& layout = {}) {
        sim = std::make_unique<SimProcess>(layout.arguments() + arguments);
        ASSERT_TRUE(sim->ready()) << sim->errors().toStdString();
        ASSERT_TRUE(x().isOpen());
        applyGeneralDefaults(c.settings, c.folder.path());
        applyCaptureDefaults(c.settings, layout.fullScreen, layout.windows7Lv);
        applyExtensionDefaults(c.settings, layout.fullScreen);
        position = layout.position;
        ASSERT_TRUE(eventually([&] { return (game = x().findWindowByTitle(GameTitle)) != 0; }));
    }

    X11Platform& x() { return c.platform; }

    // Each region into its own pixel-string slot; a second-position string
    // goes on into its reading's slot. Then the three recognitions.
    Reading read(int at = 0) {
        const bool first = (at ? at : position) == 1;
        convert(0, Lv);
        convert(first ? 1 : 3, Exp);
        convert(first ? 2 : 4, Money);
        Reading r;
        for (size_t cat = 0; cat < ReadingCount; ++cat) {
            RecognizeRegion(c.ctx, view, static_cast<int>(cat), r.first[cat]);
            r.second[cat] = view.labels[cat];
        }
        return r;
    }

    // The pixels reach the screen a moment after the stand-in reports a command.
    Reading readUntil(const Reading& expected) {
        Reading last;
        eventually([&]() { return (last = read()) == expected; });
        return last;
    }

    test::TestContext<X11Platform> c;
    std::unique_ptr<SimProcess> sim;
    WindowId game = 0;
    int position = 1;
    RecordingView view;

private:
    void convert(int region, int reading) {
        const auto r = static_cast<size_t>(reading);
        const auto& rect = c.settings.CaptureRect[static_cast<size_t>(region)];
        ConvertPixelString(c.ctx, game, rect, region, c.settings.BinarizeThreshold[r],
                           c.settings.BinarizeMask[r]);
        if (region != reading) {
            c.run.PixelString[r] = c.run.PixelString[static_cast<size_t>(region)];
        }
    }
};

class StatusBarReading : public StandIn, public testing::WithParamInterface<SimLayout> {};

TEST_P(StatusBarReading, ReadsLevelExpAndMoneyAsTheStatusBarChanges) {
    const SimLayout layout = GetParam();
    start({}, layout);
    EXPECT_EQ(readUntil(Defaults), Defaults);
    // Exp and money of the position not drawn read nothing: that is how the
    // capture tells the two positions apart. The second Exp region lies on
    // the money figure of the first position (and the first money region on
    // the Exp figure of the second), whose digits end in the other reading's
    // delimiter.
    const bool first = layout.position == 1;
    const Reading elsewhere{
        {"57", QString(), QString()},
        {"57", first ? NotRecognised : NotFind, first ? NotFind : NotRecognised}};
    EXPECT_EQ(read(3 - layout.position), elsewhere);

    const std::pair<const char*, Reading> steps[] = {
        // Zeros everywhere: "0.00" reads as the digits 000, the number 0.
        {"lv 0 exp 0.00 money 0", {{"0", "0", "0"}, {"0", "000", "0"}}},
        {"lv 99 exp 99.99 money 987654321", digits("99", "9999", "987654321")},
        // A level-up: the level grows a digit and Exp starts again; the label
        // keeps the leading zeros the status bar shows.
        {"lv 100 exp 0.05", {{"100", "5", "987654321"}, {"100", "005", "987654321"}}},
        // The window moved elsewhere reads the same.
        {"exp 100.00 money 9999999999 move 300 240", digits("100", "10000", "9999999999")},
        {"hide lv hide exp hide money", Nothing},
        // Unknown glyphs before the delimiter: the delimiter alone starts no
        // number.
        {"unreadable lv unreadable exp unreadable money", Nothing},
        {"lv 999 show lv unreadable exp", {{"999", "", ""}, {"999", NotFind, NotFind}}},
        {"exp 12.34 money 1000000 show exp show money", digits("999", "1234", "1000000")},
    };
    for (const auto& [command, expected] : steps) {
        ASSERT_TRUE(sim->send(command)) << command;
        EXPECT_EQ(readUntil(expected), expected) << command;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, StatusBarReading,
                         testing::Values(SimLayout{"Window1", false, 1, false},
                                         SimLayout{"Window2", false, 2, false},
                                         SimLayout{"FullScreen1Win7Lv", true, 1, true},
                                         SimLayout{"FullScreen2", true, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandIn, RegionsPastTheEdgesAndBadRequestsReadBlackAndNoNumberAndPumpEvents) {
    start();
    PixelBuffer pixels;
    // Wholly off the screen, on every side.
    for (const QPoint at : {QPoint(-5000, 0), QPoint(5000, 0), QPoint(0, -5000), QPoint(0, 5000)}) {
        EXPECT_TRUE(x().captureRegion(game, true, at.x(), at.y(), 40, 9, pixels));
        EXPECT_EQ(pixels.pixels, std::vector<std::uint32_t>(40 * 9, 0u)) << at.x() << "," << at.y();
    }
    // Regions reaching past the client area's right and bottom edges, and
    // one far off the screen: whatever lies there is no number.
    Settings& s = c.settings;
    s.CaptureRect[Lv] = {300, 150, 27, 11};
    s.CaptureRect[Exp] = {5000, 5000, 39, 9};
    s.CaptureRect[Money] = {280, s.CaptureRect[Money].Y, 76, 9};
    EXPECT_EQ(read(), Nothing);
    EXPECT_EQ(c.run.PixelString[Money].size(), 4 * 76);

    // The window pushed past the screen's right edge: the level is still on
    // the screen, Exp is wholly off it, and money loses its last digits and
    // the "E" of ELY.
    applyCaptureDefaults(s, false, false);
    applyExtensionDefaults(s, false);
    ASSERT_TRUE(sim->send(QStringLiteral("move 900 100")));
    const Reading cut{{"57", QString(), QString()}, {"57", NotFind, NotRecognised}};
    EXPECT_EQ(readUntil(cut), cut);

    // Unknown window ids fail, and the connection goes on; so do requests
    // too large to hold (a zero side must not hide the other side's size),
    // instead of exhausting memory.
    const WindowId bogus = 0x1FFFFFF0;
    EXPECT_FALSE(x().captureRegion(bogus, true, 0, 0, 10, 10, pixels));
    EXPECT_FALSE(x().captureRegion(bogus, false, 0, 0, 10, 10, pixels));
    EXPECT_FALSE(x().windowRect(bogus).has_value());
    EXPECT_TRUE(x().captureRegion(game, true, 0, 0, 10, 10, pixels));
    for (const auto& [w, h] : {std::pair{100000, 100000}, std::pair{1'000'000'000, 0}}) {
        EXPECT_FALSE(x().captureRegion(game, true, 0, 0, w, h, pixels)) << w << "x" << h;
        EXPECT_TRUE(pixels.pixels.empty() && pixels.width == 0);
    }
    // Pumping events runs timers and lasts the wait.
    bool fired = false;
    QTimer::singleShot(0, [&]() { fired = true; });
    const std::uint32_t before = x().tickCount();
    x().pumpEvents(30);
    EXPECT_TRUE(fired);
    EXPECT_GE(x().tickCount() - before, 29u);
    EXPECT_LT(x().tickCount() - before, 2000u);
}

TEST_F(StandIn, TheGameWindowFoundLastIsCheckedAndFoundAgainWhenItChanges) {
    start({"--pos", "60,50"});
    GameWindowCache cache;
    EXPECT_EQ(FindGameWindow(x(), cache, GameTitle), game);
    for (const char* other : {"LaTale", "LaTale Client ", "latale client", ""}) {
        EXPECT_EQ(x().findWindowByTitle(QString::fromLatin1(other)), 0u) << other;
    }

    // Renamed (by another client, as the game renames its window) it is no
    // longer the game window; named back it is again.
    const auto rename = [&](const QString& title) {
        return QProcess::execute("xdotool", {"set_window", "--name", title, QString::number(game)});
    };
    ASSERT_EQ(rename("LaTale Client - loading"), 0);
    EXPECT_TRUE(eventually([&]() { return FindGameWindow(x(), cache, GameTitle) == 0; }));
    ASSERT_EQ(rename(GameTitle), 0);
    EXPECT_TRUE(eventually([&]() { return FindGameWindow(x(), cache, GameTitle) == game; }));

    // Closed, it is no longer found; its regions capture black and read
    // nothing, the text still written as black columns of the region's width.
    ASSERT_TRUE(sim->send("close"));
    ASSERT_TRUE(sim->waitForExit());
    EXPECT_TRUE(eventually([&]() { return FindGameWindow(x(), cache, GameTitle) == 0; }));
    for (const bool client : {true, false}) {
        PixelBuffer pixels;
        pixels.pixels.assign(5, 0xFFFFFFu);
        EXPECT_FALSE(x().captureRegion(game, client, 103, 68, 76, 9, pixels));
        EXPECT_EQ(pixels.pixels, std::vector<std::uint32_t>(76 * 9, 0u));
    }
    EXPECT_EQ(read(), Nothing);
    EXPECT_EQ(c.run.PixelString[Money], QStringLiteral("0000").repeated(76));
    EXPECT_TRUE(eventually([&]() { return x().foregroundWindow() != game; }));

    // Started again: the new window is found (the server may give it the id
    // the closed one had).
    SimProcess again{{"--pos", "60,50"}};
    ASSERT_TRUE(again.ready()) << again.errors().toStdString();
    WindowId reopened = 0;
    EXPECT_TRUE(
        eventually([&]() { return (reopened = FindGameWindow(x(), cache, GameTitle)) != 0; }));
    EXPECT_EQ(reopened, x().findWindowByTitle(GameTitle));
    EXPECT_TRUE(eventually([&]() { return x().isForeground(reopened); }));
}

// The shapes the game window takes: an ordinary window, and those Wine
// gives it (unmanaged and holding the focus, inside a virtual desktop).
// Each must be found, read pixel for pixel (in its client area, the whole
// window and the screen), taken as in front exactly while it is (behind,
// the platform names the window in front instead) and seen covered exactly
// where another window lies over its client area.
struct Shape {
    const char* name;
    const char* arguments;
    // A window manager's title bar lies above the client area, if one runs.
    bool managed;
};
class WindowShapes : public StandIn, public testing::WithParamInterface<Shape> {};

TEST_P(WindowShapes, AreFoundReadCoveredAndInFrontExactlyWhileTheyAre) {
    start(QString::fromLatin1(GetParam().arguments).split(u' '));
    // The stand-in's figures at the start.
    const QImage drawn = sim::renderStatusBar({.lv = 57, .expHundredths = 1234, .money = 1234567});
    PixelBuffer client;
    EXPECT_TRUE(eventually([&] {
        x().captureRegion(game, true, 0, 0, drawn.width(), drawn.height(), client);
        return client.toImage() == drawn;
    }));
    EXPECT_TRUE(eventually([&] { return x().isForeground(game); }));

    ASSERT_TRUE(sim->send("focus away"));
    EXPECT_TRUE(eventually([&] {
        const ForegroundVerdict v = x().checkForeground(game);
        return !v.inFront() && x().windowTitle(v.other) == "Focus Thief";
    }));
    EXPECT_EQ(x().findWindowByTitle(GameTitle), game);
    ASSERT_TRUE(sim->send("focus back"));
    EXPECT_TRUE(eventually([&] { return x().isForeground(game); }));

    // The client area lies inside the whole-window capture at the client
    // origin; window 0 reads the screen there.
    const auto rect = x().windowRect(game);
    const auto origin = x().clientOrigin(game);
    ASSERT_TRUE(rect && origin);
    PixelBuffer frame;
    ASSERT_TRUE(x().captureRegion(game, false, 0, 0, rect->width(), rect->height(), frame));
    const QPoint offset = *origin - QPoint(rect->left, rect->top);
    EXPECT_EQ(frame.toImage().copy(QRect(offset, drawn.size())), drawn);
    if (GetParam().managed) {
        // with-xvfb.sh names the window manager, if any, in BM_TEST_WM.
        EXPECT_EQ(offset.y() > 0, qEnvironmentVariable("BM_TEST_WM", "none") != "none");
    }
    PixelBuffer screen;
    ASSERT_TRUE(x().captureRegion(0, true, origin->x(), origin->y(), drawn.width(), drawn.height(),
                                  screen));
    EXPECT_EQ(screen.toImage(), drawn);

    // An unmanaged window stays above the game without taking the focus.
    const QRect under(0, 100, 100, 20);
    EXPECT_FALSE(x().clientRectCovered(game, under));
    Display* d = x().display();
    XSetWindowAttributes a{};
    a.override_redirect = True;
    const Window cover =
        XCreateWindow(d, DefaultRootWindow(d), origin->x(), origin->y() + 110, 50, 30, 0,
                      CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect, &a);
    XMapRaised(d, cover);
    XSync(d, False);
    EXPECT_TRUE(eventually([&] { return x().clientRectCovered(game, under); }));
    EXPECT_FALSE(x().clientRectCovered(game, QRect(60, 100, 100, 20)));
    EXPECT_FALSE(x().clientRectCovered(game, QRect(0, 0, 100, 20)));
    XDestroyWindow(d, cover);
    XSync(d, False);
    EXPECT_TRUE(eventually([&] { return !x().clientRectCovered(game, under); }));
}

INSTANTIATE_TEST_SUITE_P(Shapes, WindowShapes,
                         testing::Values(Shape{"Managed", "--pos 60,50", true},
                                         Shape{"Unmanaged", "--pos 60,50 --unmanaged", false},
                                         Shape{"VirtualDesktop", "--pos 30,30 --desktop 500x300",
                                               false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bm
