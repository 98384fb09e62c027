#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include "Polling.h"
#include "SimProcess.h"
#include "app/RecognitionView.h"
#include "capture/PixelString.h"
#include "measure/RecognizeRegion.h"
#include "platform/x11/X11Platform.h"
#include "settings/SettingsDefaults.h"
#include "support/TestContext.h"

// The readings of the stand-in's status bar taken the way a capture takes
// them: the X11 platform copies each region of the game window, the pixel
// string is built from it and the recognition reads the number, all with the
// default settings of the stand-in's layout.

namespace bm {
namespace {

using test::eventually;
using test::SimLayout;
using test::SimProcess;
using test::waitForWindow;

constexpr int Lv = 0;
constexpr int Exp = 1;
constexpr int Money = 2;

const QString NotFind = QStringLiteral("NotFind");
const QString NotRecognised = QStringLiteral("認識NG");

// The latest label the recognition showed for each reading.
struct RecordingView : RecognitionView {
    void setRecognitionLabel(int cat, const QString& text) override {
        labels[static_cast<size_t>(cat)] = text;
    }
    std::array<QString, ReadingCount> labels;
};

// What one pass over the three readings gave: the result and the label of
// each reading.
struct Reading {
    std::array<QString, ReadingCount> values;
    std::array<QString, ReadingCount> labels;
    bool operator==(const Reading&) const = default;
};

void PrintTo(const Reading& r, std::ostream* os) {
    for (int cat = 0; cat < ReadingCount; ++cat) {
        *os << (cat ? ", " : "") << '"' << r.values[cat].toStdString() << "\" ["
            << r.labels[cat].toStdString() << ']';
    }
}

// A reading whose digits were all read: the labels show them as drawn.
Reading digits(const char* lv, const char* exp, const char* money) {
    return {{QString::fromLatin1(lv), QString::fromLatin1(exp), QString::fromLatin1(money)},
            {QString::fromLatin1(lv), QString::fromLatin1(exp), QString::fromLatin1(money)}};
}

// The program's shared state on the test's display, with the default
// settings for a layout, reading the game window like a capture does.
class Reader : public test::TestContext<X11Platform> {
public:
    explicit Reader(const SimLayout& layout) : position_(layout.position) {
        applyGeneralDefaults(settings, folder.path());
        applyCaptureDefaults(settings, layout.fullScreen, layout.windows7Lv);
        applyExtensionDefaults(settings, layout.fullScreen);
        settings.SearchWindowName = DefaultSearchWindowName;
    }

    WindowId findGame() { return waitForWindow(platform, settings.SearchWindowName); }

    // Each region into its own pixel-string slot; a second-position string
    // goes on into its reading's slot. Then the three recognitions.
    Reading read(WindowId window, int position = 0) {
        const bool first = (position ? position : position_) == 1;
        convert(window, 0, Lv);
        convert(window, first ? 1 : 3, Exp);
        convert(window, first ? 2 : 4, Money);
        Reading r;
        for (int cat = 0; cat < ReadingCount; ++cat) {
            RecognizeRegion(ctx, view, cat, r.values[static_cast<size_t>(cat)]);
            r.labels[static_cast<size_t>(cat)] = view.labels[static_cast<size_t>(cat)];
        }
        return r;
    }

    // Reads until the expected reading comes (the stand-in's pixels reach
    // the screen a moment after it reports a command); the last reading.
    Reading readUntil(WindowId window, const Reading& expected, int position = 0) {
        Reading last;
        eventually([&]() { return (last = read(window, position)) == expected; });
        return last;
    }

    RecordingView view;
    std::array<int, RegionCount> rowsRead{};

private:
    void convert(WindowId window, int region, int reading) {
        const auto r = static_cast<size_t>(reading);
        rowsRead[static_cast<size_t>(region)] =
            ConvertPixelString(ctx, window, settings.CaptureRect[static_cast<size_t>(region)],
                               region, settings.BinarizeThreshold[r], settings.BinarizeMask[r]);
        if (region != reading) {
            run.PixelString[r] = run.PixelString[static_cast<size_t>(region)];
        }
    }

    int position_;
};

// The stand-in in a layout, showing level 57, 12.34 % and 1,234,567 ELY.
QStringList simArguments(const SimLayout& layout) {
    return layout.arguments() + QStringList{QStringLiteral("--lv"),    QStringLiteral("57"),
                                            QStringLiteral("--exp"),   QStringLiteral("12.34"),
                                            QStringLiteral("--money"), QStringLiteral("1234567")};
}

class StatusBarReading : public testing::TestWithParam<SimLayout> {};

TEST_P(StatusBarReading, ReadsLevelExpAndMoneyAsTheStatusBarChanges) {
    const SimLayout layout = GetParam();
    SimProcess sim(simArguments(layout));
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    Reader reader(layout);
    ASSERT_TRUE(reader.platform.isOpen());
    const WindowId game = reader.findGame();
    ASSERT_NE(game, 0u);

    EXPECT_EQ(reader.readUntil(game, digits("57", "1234", "1234567")),
              digits("57", "1234", "1234567"));
    // Exp and money of the position not drawn read nothing: that is how the
    // capture tells the two positions apart. The second Exp region lies on
    // the money figure of the first position (and the first money region on
    // the Exp figure of the second), whose digits end in the other reading's
    // delimiter.
    const bool first = layout.position == 1;
    const Reading elsewhere{
        {QStringLiteral("57"), QString(), QString()},
        {QStringLiteral("57"), first ? NotRecognised : NotFind, first ? NotFind : NotRecognised}};
    EXPECT_EQ(reader.read(game, 3 - layout.position), elsewhere);

    struct Step {
        const char* command;
        Reading expected;
    };
    const Step steps[] = {
        // Zeros everywhere: "0.00" reads as the digits 000, the number 0.
        {"lv 0 exp 0.00 money 0", {{"0", "0", "0"}, {"0", "000", "0"}}},
        {"lv 99 exp 99.99 money 987654321", digits("99", "9999", "987654321")},
        // A level-up: the level grows a digit and Exp starts again; the label
        // keeps the leading zeros the status bar shows.
        {"lv 100 exp 0.05", {{"100", "5", "987654321"}, {"100", "005", "987654321"}}},
        {"exp 100.00 money 9999999999", digits("100", "10000", "9999999999")},
        {"lv 999 money 1000000", digits("999", "10000", "1000000")},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(sim.send(QString::fromLatin1(step.command))) << step.command;
        EXPECT_EQ(reader.readUntil(game, step.expected), step.expected) << step.command;
    }
    for (const int rows : reader.rowsRead) {
        EXPECT_GT(rows, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, StatusBarReading,
                         testing::Values(SimLayout{false, 1, false}, SimLayout{false, 2, false},
                                         SimLayout{true, 1, true}, SimLayout{true, 2, false}),
                         [](const auto& info) { return info.param.name(); });

class StandInReading : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
        ASSERT_TRUE(reader.platform.isOpen());
        game = reader.findGame();
        ASSERT_NE(game, 0u);
        ASSERT_EQ(reader.readUntil(game, digits("57", "1234", "1234567")),
                  digits("57", "1234", "1234567"));
    }

    SimProcess sim{simArguments(SimLayout{})};
    Reader reader{SimLayout{}};
    WindowId game = 0;
};

TEST_F(StandInReading, HiddenAndUnreadableFiguresReadNothingUntilShownAgain) {
    const Reading nothing{{}, {NotFind, NotFind, NotFind}};
    ASSERT_TRUE(sim.send(QStringLiteral("hide lv hide exp hide money")));
    EXPECT_EQ(reader.readUntil(game, nothing), nothing);

    // Unknown glyphs before the delimiter: the delimiter alone starts no
    // number.
    ASSERT_TRUE(sim.send(QStringLiteral("unreadable lv unreadable exp unreadable money")));
    EXPECT_EQ(reader.readUntil(game, nothing), nothing);

    ASSERT_TRUE(sim.send(QStringLiteral("show lv unreadable exp hide money")));
    const Reading levelOnly{{QStringLiteral("57"), QString(), QString()},
                            {QStringLiteral("57"), NotFind, NotFind}};
    EXPECT_EQ(reader.readUntil(game, levelOnly), levelOnly);

    ASSERT_TRUE(sim.send(QStringLiteral("exp 12.34 show money")));
    EXPECT_EQ(reader.readUntil(game, digits("57", "1234", "1234567")),
              digits("57", "1234", "1234567"));
}

TEST_F(StandInReading, PausesBetweenScanStepsReadTheSame) {
    reader.settings.LagCancelTime = 1;
    const std::uint32_t before = reader.platform.tickCount();
    EXPECT_EQ(reader.read(game), digits("57", "1234", "1234567"));
    // Every reading pauses at least once per glyph.
    EXPECT_GE(reader.platform.tickCount() - before, 2u * (2 + 4 + 7));
}

// A region too narrow to hold the delimiter after the digits rejects the
// number as a whole.
TEST_F(StandInReading, DigitsWithoutTheirDelimiterReadAsNotRecognised) {
    reader.settings.CaptureRect[Lv].Width = 16;
    const Reading cut{{QString(), QStringLiteral("1234"), QStringLiteral("1234567")},
                      {NotRecognised, QStringLiteral("1234"), QStringLiteral("1234567")}};
    EXPECT_EQ(reader.read(game), cut);
}

TEST_F(StandInReading, AWindowThatVanishesBeforeTheCaptureReadsNothing) {
    ASSERT_TRUE(sim.send(QStringLiteral("close")));
    ASSERT_TRUE(sim.waitForExit());
    ASSERT_TRUE(eventually([&]() { return !reader.platform.windowRect(game).has_value(); }));

    const Reading nothing{{}, {NotFind, NotFind, NotFind}};
    EXPECT_EQ(reader.read(game), nothing);
    // The text is still written, as black columns of the region's width.
    EXPECT_EQ(reader.run.PixelString[Money], QStringLiteral("0000").repeated(76));
    EXPECT_EQ(reader.rowsRead[0], 0);
    EXPECT_EQ(reader.findGame(), 0u);
}

TEST_F(StandInReading, RectanglesPastTheEdgesAreSurvived) {
    // Regions reaching past the client area's right and bottom edges, and
    // one far off the screen: whatever lies there is no number.
    Settings& s = reader.settings;
    s.CaptureRect[Lv] = {300, 150, 27, 11};
    s.CaptureRect[1] = {5000, 5000, 39, 9};
    s.CaptureRect[2] = {280, s.CaptureRect[2].Y, 76, 9};
    const Reading nothing{{}, {NotFind, NotFind, NotFind}};
    EXPECT_EQ(reader.read(game), nothing);
    EXPECT_EQ(reader.run.PixelString[Money].size(), 4 * 76);

    // The window pushed past the screen's right edge: the level is still on
    // the screen, Exp is wholly off it, and money loses its last digits and
    // the "E" of ELY.
    applyCaptureDefaults(s, false, false);
    applyExtensionDefaults(s, false);
    ASSERT_TRUE(sim.send(QStringLiteral("move 900 100")));
    const Reading cut{{QStringLiteral("57"), QString(), QString()},
                      {QStringLiteral("57"), NotFind, NotRecognised}};
    EXPECT_EQ(reader.readUntil(game, cut), cut);
}

}  // namespace
}  // namespace bm
