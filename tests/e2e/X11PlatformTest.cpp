#include <gtest/gtest.h>

#include <QTimer>
#include <utility>

#include "GlyphReader.h"
#include "Polling.h"
#include "SimProcess.h"
#include "StatusBarPainter.h"
#include "app/GameWindow.h"
#include "platform/x11/X11Platform.h"
#include "settings/SettingsDefaults.h"

// Xlib last: its macros clash with Qt names.
#include <X11/Xlib.h>

namespace bm {
namespace {

using test::eventually;
using test::SimLayout;
using test::SimProcess;
using test::waitForWindow;
using test::windowManagerRuns;

const QString GameTitle = QStringLiteral("LaTale Client");

// Column words a figure must show, built from the reference patterns and
// the stand-in's documented layout: one background column, then each glyph
// followed by one background column. `glyphs` holds digits, '.' for the
// decimal point, ',' for a thousands comma and 'D' for the delimiter.
std::vector<std::uint16_t> expectedColumns(const QString& glyphs,
                                           const std::array<QString, GlyphCount>& patterns,
                                           bool bar, int width) {
    const std::uint16_t background = bar ? 0x01FF : 0x0000;
    std::vector<std::uint16_t> words{background};
    for (const QChar c : glyphs) {
        std::vector<std::uint16_t> glyph;
        if (c == QLatin1Char('.')) {
            glyph = {0x013F};
        } else if (c == QLatin1Char(',')) {
            glyph = {0x003F};
        } else {
            const int g = c == QLatin1Char('D') ? DelimiterGlyph : c.digitValue();
            glyph = test::fromPixelString(patterns[g]);
        }
        words.insert(words.end(), glyph.begin(), glyph.end());
        words.push_back(background);
    }
    words.resize(static_cast<size_t>(width), background);
    return words;
}

class StandInRegions : public testing::TestWithParam<SimLayout> {};

// Every default region of a client capture shows the glyph columns the
// patterns describe, reads back as the value, and the regions of the
// other position read nothing.
TEST_P(StandInRegions, ClientCaptureShowsTheGlyphColumnsOfEveryRegion) {
    const SimLayout layout = GetParam();
    SimProcess sim(layout.arguments() + QStringList{QStringLiteral("--lv"), QStringLiteral("208"),
                                                    QStringLiteral("--exp"), QStringLiteral("9.07"),
                                                    QStringLiteral("--money"),
                                                    QStringLiteral("4056789")});
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    X11Platform x;
    ASSERT_TRUE(x.isOpen());
    const WindowId game = waitForWindow(x, GameTitle);
    ASSERT_NE(game, 0u);

    Settings s;
    applyCaptureDefaults(s, layout.fullScreen, layout.windows7Lv);
    applyExtensionDefaults(s, layout.fullScreen);
    struct Expectation {
        int region;
        int reading;
        QString glyphs;  // empty: the region must read nothing
        QString value;
    };
    const bool first = layout.position == 1;
    const std::vector<Expectation> expectations = {
        {0, 0, QStringLiteral("208D"), QStringLiteral("208")},
        {1, 1, first ? QStringLiteral("9.07D") : QString(),
         first ? QStringLiteral("907") : QString()},
        {2, 2, first ? QStringLiteral("4,056,789D") : QString(),
         first ? QStringLiteral("4056789") : QString()},
        {3, 1, first ? QString() : QStringLiteral("9.07D"),
         first ? QString() : QStringLiteral("907")},
        {4, 2, first ? QString() : QStringLiteral("4,056,789D"),
         first ? QString() : QStringLiteral("4056789")},
    };
    for (const auto& e : expectations) {
        const auto& rect = s.CaptureRect[e.region];
        const auto& patterns = s.Patterns[e.reading];
        const int threshold = s.BinarizeThreshold[e.reading];
        std::vector<std::uint16_t> words;
        const auto capture = [&]() {
            PixelBuffer pixels;
            if (!x.captureRegion(game, true, rect.X, rect.Y, rect.Width, rect.Height, pixels)) {
                return false;
            }
            EXPECT_EQ(pixels.width, rect.Width);
            EXPECT_EQ(pixels.height, rect.Height);
            words = test::columnWords(pixels, threshold);
            return true;
        };
        if (!e.glyphs.isEmpty()) {
            const auto expected = expectedColumns(e.glyphs, patterns, e.reading != 0, rect.Width);
            eventually([&]() { return capture() && words == expected; });
            EXPECT_EQ(words, expected) << "region " << e.region;
        } else {
            ASSERT_TRUE(capture());
        }
        EXPECT_EQ(test::readNumber(test::toPixelString(words), patterns,
                                   s.PatternSize[0][e.reading], s.CaptureRect[e.reading].Width),
                  e.value)
            << "region " << e.region;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, StandInRegions,
                         testing::Values(SimLayout{false, 1, false}, SimLayout{false, 2, false},
                                         SimLayout{true, 1, false}, SimLayout{true, 2, true}),
                         [](const auto& info) { return info.param.name(); });

class StandIn : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
        ASSERT_TRUE(x.isOpen());
        game = waitForWindow(x, GameTitle);
        ASSERT_NE(game, 0u);
    }

    // The whole client area as captured.
    QImage captureClient(WindowId window, QSize size = sim::DefaultClientSize) {
        PixelBuffer pixels;
        x.captureRegion(window, true, 0, 0, size.width(), size.height(), pixels);
        return pixels.toImage();
    }

    SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("60,50")}};
    X11Platform x;
    WindowId game = 0;
};

TEST_F(StandIn, TheGameWindowIsInFrontUntilAnotherTakesTheFocus) {
    EXPECT_NE(x.display(), nullptr);
    EXPECT_TRUE(eventually([&]() { return x.foregroundWindow() == game; }))
        << "foreground " << x.foregroundWindow() << " game " << game;

    ASSERT_TRUE(sim.send(QStringLiteral("focus away")));
    const WindowId thief = waitForWindow(x, QStringLiteral("Focus Thief"));
    ASSERT_NE(thief, 0u);
    EXPECT_TRUE(eventually([&]() { return x.foregroundWindow() == thief; }));
    EXPECT_EQ(x.findWindowByTitle(GameTitle), game);

    ASSERT_TRUE(sim.send(QStringLiteral("focus back")));
    EXPECT_TRUE(eventually([&]() { return x.foregroundWindow() == game; }));
}

// Sets a window's title from another client, as a program renaming its
// window does.
void setTitle(WindowId window, const QByteArray& title) {
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    const Atom netWmName = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    XChangeProperty(d, window, netWmName, utf8, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.constData()),
                    static_cast<int>(title.size()));
    XStoreName(d, window, title.constData());
    XSync(d, False);
    XCloseDisplay(d);
}

TEST_F(StandIn, TheGameWindowFoundLastIsCheckedAndFoundAgainWhenItChanges) {
    GameWindowCache cache;
    EXPECT_EQ(FindGameWindow(x, cache, GameTitle), game);
    EXPECT_TRUE(x.hasTitle(game, GameTitle));
    EXPECT_FALSE(x.hasTitle(game, QStringLiteral("LaTale")));
    EXPECT_TRUE(eventually([&]() { return x.isForeground(game); }));

    ASSERT_TRUE(sim.send(QStringLiteral("focus away")));
    const WindowId thief = waitForWindow(x, QStringLiteral("Focus Thief"));
    EXPECT_TRUE(eventually([&]() { return x.isForeground(thief) && !x.isForeground(game); }));
    ASSERT_TRUE(sim.send(QStringLiteral("focus back")));
    EXPECT_TRUE(eventually([&]() { return x.isForeground(game); }));

    // Renamed it is no longer the game window; named back it is again.
    setTitle(game, "LaTale Client - loading");
    EXPECT_TRUE(eventually([&]() { return FindGameWindow(x, cache, GameTitle) == 0; }));
    setTitle(game, GameTitle.toUtf8());
    EXPECT_TRUE(eventually([&]() { return FindGameWindow(x, cache, GameTitle) == game; }));

    // Closed and started again: the new window is found (the server may give
    // it the id the closed one had).
    ASSERT_TRUE(sim.send(QStringLiteral("close")));
    ASSERT_TRUE(sim.waitForExit());
    EXPECT_TRUE(eventually([&]() { return FindGameWindow(x, cache, GameTitle) == 0; }));
    SimProcess again{{QStringLiteral("--pos"), QStringLiteral("60,50")}};
    ASSERT_TRUE(again.ready()) << again.errors().toStdString();
    WindowId reopened = 0;
    EXPECT_TRUE(
        eventually([&]() { return (reopened = FindGameWindow(x, cache, GameTitle)) != 0; }));
    EXPECT_EQ(reopened, x.findWindowByTitle(GameTitle));
    EXPECT_TRUE(eventually([&]() { return x.isForeground(reopened); }));
}

TEST_F(StandIn, TitlesCompareExactly) {
    EXPECT_EQ(x.findWindowByTitle(QStringLiteral("LaTale")), 0u);
    EXPECT_EQ(x.findWindowByTitle(QStringLiteral("LaTale Client ")), 0u);
    EXPECT_EQ(x.findWindowByTitle(QStringLiteral("latale client")), 0u);
    EXPECT_EQ(x.findWindowByTitle(QString()), 0u);
}

TEST_F(StandIn, ClientCaptureStartsBelowTheFrameAndFrameCaptureAtItsCorner) {
    sim::SimState state;
    state.lv = 57;
    state.expHundredths = 1234;
    state.money = 1234567;
    const QImage drawn = sim::renderStatusBar(state);
    QImage client;
    EXPECT_TRUE(eventually([&]() { return (client = captureClient(game)) == drawn; }))
        << "the client capture differs from what the stand-in draws";

    const auto rect = x.windowRect(game);
    ASSERT_TRUE(rect);
    PixelBuffer frame;
    ASSERT_TRUE(x.captureRegion(game, false, 0, 0, rect->width(), rect->height(), frame));
    const QImage whole = frame.toImage();
    // Find the client area inside the whole-window capture.
    std::optional<QPoint> offset;
    for (int dy = 0; dy <= rect->height() - drawn.height() && !offset; ++dy) {
        for (int dx = 0; dx <= rect->width() - drawn.width() && !offset; ++dx) {
            if (whole.copy(dx, dy, drawn.width(), drawn.height()) == drawn) {
                offset = QPoint(dx, dy);
            }
        }
    }
    ASSERT_TRUE(offset) << "client area not found in the frame capture";
    if (windowManagerRuns()) {
        EXPECT_GT(offset->y(), 0) << "a title bar lies above the client area";
        EXPECT_GT(rect->height(), drawn.height());
    } else {
        EXPECT_EQ(*offset, QPoint(0, 0));
        EXPECT_EQ(*rect, (WindowRect{60, 50, 60 + drawn.width(), 50 + drawn.height()}));
    }
    // Window 0 reads the screen: the client area sits at the frame's
    // corner plus the offset.
    PixelBuffer screen;
    ASSERT_TRUE(x.captureRegion(0, true, rect->left + offset->x(), rect->top + offset->y(),
                                drawn.width(), drawn.height(), screen));
    EXPECT_EQ(screen.toImage(), drawn);
}

TEST_F(StandIn, NewValuesAndAMoveAreReadWhereverTheWindowIs) {
    ASSERT_TRUE(sim.send(QStringLiteral("lv 58 exp 100.00 money 9999999999 move 300 240")));
    const Settings s = sim::drawingSettings(sim::SimState{});
    const auto read = [&](int region, int reading) {
        const auto& r = s.CaptureRect[region];
        PixelBuffer pixels;
        x.captureRegion(game, true, r.X, r.Y, r.Width, r.Height, pixels);
        return test::readNumber(
            test::toPixelString(test::columnWords(pixels, s.BinarizeThreshold[reading])),
            s.Patterns[reading], s.PatternSize[0][reading], s.CaptureRect[reading].Width);
    };
    EXPECT_TRUE(eventually([&]() {
        return read(0, 0) == QLatin1String("58") && read(1, 1) == QLatin1String("10000") &&
               read(2, 2) == QLatin1String("9999999999");
    }));
    EXPECT_TRUE(eventually([&]() {
        const auto rect = x.windowRect(game);
        return rect && rect->left >= 300 && rect->top >= 240;
    }));

    ASSERT_TRUE(sim.send(QStringLiteral("hide exp unreadable money")));
    EXPECT_TRUE(eventually([&]() { return read(1, 1).isEmpty() && read(2, 2).isEmpty(); }));
    EXPECT_EQ(read(0, 0), QStringLiteral("58"));
}

TEST_F(StandIn, RectanglesOffTheScreenReadBlack) {
    const auto black = [](const PixelBuffer& p) {
        return std::all_of(p.pixels.begin(), p.pixels.end(), [](auto v) { return v == 0u; });
    };
    PixelBuffer pixels;
    // Wholly off the screen, on every side.
    for (const QPoint at : {QPoint(-5000, 0), QPoint(5000, 0), QPoint(0, -5000), QPoint(0, 5000)}) {
        EXPECT_TRUE(x.captureRegion(game, true, at.x(), at.y(), 40, 9, pixels));
        EXPECT_EQ(pixels.width, 40);
        EXPECT_EQ(pixels.height, 9);
        EXPECT_TRUE(black(pixels)) << at.x() << "," << at.y();
    }
    // Across the screen's top-left corner: the part outside is black, the
    // part inside is the screen.
    ASSERT_TRUE(x.captureRegion(0, true, -10, -10, 20, 20, pixels));
    for (int y = 0; y < 20; ++y) {
        for (int xx = 0; xx < 20; ++xx) {
            if (xx < 10 || y < 10) {
                ASSERT_EQ(pixels.at(xx, y), 0u) << xx << "," << y;
            }
        }
    }

    // A window pushed past the right edge: what is on screen still reads,
    // the rest is black.
    ASSERT_TRUE(sim.send(QStringLiteral("move 900 100")));
    sim::SimState state;
    state.lv = 57;
    state.expHundredths = 1234;
    state.money = 1234567;
    const QImage drawn = sim::renderStatusBar(state);
    int visible = -1;
    EXPECT_TRUE(eventually([&]() {
        const QImage captured = captureClient(game);
        for (visible = captured.width() - 1; visible > 0; --visible) {
            if (captured.copy(0, 0, visible, captured.height()) ==
                drawn.copy(0, 0, visible, drawn.height())) {
                break;
            }
        }
        const QImage rest =
            captured.copy(visible, 0, captured.width() - visible, captured.height());
        for (int y = 0; y < rest.height(); ++y) {
            for (int xx = 0; xx < rest.width(); ++xx) {
                if ((rest.pixel(xx, y) & 0xFFFFFFu) != 0u) {
                    return false;
                }
            }
        }
        return visible > 0 && visible < captured.width();
    })) << "visible columns "
        << visible;
}

TEST_F(StandIn, AVanishedWindowCapturesBlackAndFails) {
    ASSERT_TRUE(sim.send(QStringLiteral("close")));
    ASSERT_TRUE(sim.waitForExit());
    EXPECT_TRUE(eventually([&]() { return !x.windowRect(game).has_value(); }));
    for (const bool client : {true, false}) {
        PixelBuffer pixels;
        pixels.pixels.assign(5, 0xFFFFFFu);
        EXPECT_FALSE(x.captureRegion(game, client, 103, 68, 76, 9, pixels));
        EXPECT_EQ(pixels.width, 76);
        EXPECT_EQ(pixels.height, 9);
        EXPECT_EQ(pixels.pixels, std::vector<std::uint32_t>(76 * 9, 0u));
    }
    EXPECT_EQ(x.findWindowByTitle(GameTitle), 0u);
    // The window manager names the new active window a moment later.
    EXPECT_TRUE(eventually([&]() { return x.foregroundWindow() != game; }));
}

TEST_F(StandIn, UnknownWindowIdsAreTrappedAndTheConnectionGoesOn) {
    const WindowId bogus = 0x1FFFFFF0;
    PixelBuffer pixels;
    EXPECT_FALSE(x.captureRegion(bogus, true, 0, 0, 10, 10, pixels));
    EXPECT_FALSE(x.captureRegion(bogus, false, 0, 0, 10, 10, pixels));
    EXPECT_FALSE(x.windowRect(bogus).has_value());
    x.beep();
    EXPECT_EQ(x.findWindowByTitle(GameTitle), game);
    EXPECT_TRUE(x.captureRegion(game, true, 0, 0, 10, 10, pixels));
    // A request too large to hold fails instead of exhausting memory.
    EXPECT_FALSE(x.captureRegion(game, true, 0, 0, 100000, 100000, pixels));
    EXPECT_EQ(pixels.pixels.size(), 0u);
}

TEST(StandInTwins, TheTopmostOfTwoSameTitledWindowsIsFound) {
    const QStringList twin{QStringLiteral("--title"), QStringLiteral("Twin Client"),
                           QStringLiteral("--pos"), QStringLiteral("100,100")};
    SimProcess lower(twin);
    ASSERT_TRUE(lower.ready()) << lower.errors().toStdString();
    X11Platform x;
    const WindowId first = waitForWindow(x, QStringLiteral("Twin Client"));
    ASSERT_NE(first, 0u);
    SimProcess upper(twin);
    ASSERT_TRUE(upper.ready()) << upper.errors().toStdString();
    WindowId second = 0;
    EXPECT_TRUE(eventually([&]() {
        second = x.findWindowByTitle(QStringLiteral("Twin Client"));
        return second != 0 && second != first;
    }));
    // Raising the first brings it back on top.
    ASSERT_TRUE(lower.send(QStringLiteral("focus back")));
    EXPECT_TRUE(
        eventually([&]() { return x.findWindowByTitle(QStringLiteral("Twin Client")) == first; }));
}

TEST(X11PlatformWithoutDisplay, AClosedConnectionFindsNothingAndCapturesBlack) {
    X11Platform x(QByteArrayLiteral(":4095"));
    ASSERT_FALSE(x.isOpen());
    EXPECT_EQ(x.display(), nullptr);
    EXPECT_EQ(x.findWindowByTitle(GameTitle), 0u);
    EXPECT_EQ(x.foregroundWindow(), 0u);
    EXPECT_FALSE(x.windowRect(1).has_value());
    PixelBuffer pixels;
    EXPECT_FALSE(x.captureRegion(0, true, 0, 0, 4, 3, pixels));
    EXPECT_EQ(pixels.pixels, std::vector<std::uint32_t>(12, 0u));
    x.beep();
}

TEST(X11PlatformWithoutDisplay, ASideBeyondAnyScreenIsRefusedWhateverTheOtherSide) {
    X11Platform x(QByteArrayLiteral(":4095"));
    // A zero side makes the pixel count 0; the other side must still count.
    for (const auto& [w, h] :
         {std::pair{1'000'000'000, 0}, std::pair{0, 1'000'000'000}, std::pair{40'000, 1}}) {
        PixelBuffer pixels;
        EXPECT_FALSE(x.captureRegion(0, true, 45, 4, w, h, pixels));
        EXPECT_EQ(pixels.width, 0) << w << "x" << h;
        EXPECT_EQ(pixels.height, 0);
        EXPECT_TRUE(pixels.pixels.empty());
    }
}

TEST(X11PlatformWithoutDisplay, PumpingEventsRunsTimersAndLastsTheWait) {
    X11Platform x(QByteArrayLiteral(":4095"));
    bool fired = false;
    QTimer::singleShot(0, [&]() { fired = true; });
    const std::uint32_t before = x.tickCount();
    x.pumpEvents(30);
    const std::uint32_t waited = x.tickCount() - before;
    EXPECT_TRUE(fired);
    EXPECT_GE(waited, 29u);
    EXPECT_LT(waited, 2000u);
}

}  // namespace
}  // namespace bm
