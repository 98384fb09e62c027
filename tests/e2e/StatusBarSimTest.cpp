#include <gtest/gtest.h>

#include <map>
#include <random>

#include "GlyphReader.h"
#include "SimScript.h"
#include "StatusBarPainter.h"

namespace bm::sim {
namespace {

using test::readNumber;
using test::toPixelString;

// What the default settings read from a region of the stand-in.
QString readField(const SimState& state, Field field, int region) {
    // The settings depend only on the mode and the level glyph set.
    static std::map<std::pair<bool, bool>, Settings> cache;
    const auto key = std::make_pair(state.fullScreen, state.windows7Lv);
    if (!cache.contains(key)) {
        cache[key] = drawingSettings(state);
    }
    const Settings& s = cache[key];
    const int r = static_cast<int>(field);
    std::vector<std::uint16_t> words;
    if (region == regionOf(state, field)) {
        words = fieldColumns(state, field, s);
    } else {
        const QImage image = renderStatusBar(state);
        const auto& rect = s.CaptureRect[region];
        words = test::columnWords(image, QRect(rect.X, rect.Y, rect.Width, rect.Height),
                                  s.BinarizeThreshold[r]);
    }
    return readNumber(toPixelString(words), s.Patterns[r], s.PatternSize[0][r],
                      s.CaptureRect[r].Width);
}

TEST(StatusBarReadBack, EveryLevelReadsBackInBothGlyphSets) {
    for (const bool windows7 : {false, true}) {
        SimState state;
        state.windows7Lv = windows7;
        for (int lv = 0; lv <= MaxLv; ++lv) {
            state.lv = lv;
            ASSERT_EQ(readField(state, Field::Lv, 0), QString::number(lv))
                << "level " << lv << (windows7 ? " (Windows 7 set)" : " (standard set)");
        }
    }
}

TEST(StatusBarReadBack, EveryExpPercentReadsBackAsHundredthsInBothPositions) {
    for (const int position : {1, 2}) {
        SimState state;
        state.position = position;
        for (std::int64_t exp = 0; exp <= MaxExpHundredths; ++exp) {
            state.expHundredths = exp;
            ASSERT_EQ(readField(state, Field::Exp, regionOf(state, Field::Exp)),
                      QString::number(exp))
                << "exp " << exp << " position " << position;
        }
    }
}

TEST(StatusBarReadBack, MoneyWithThousandsSeparatorsReadsBack) {
    std::vector<std::int64_t> values;
    for (std::int64_t m = 0; m < 100000; ++m) {
        values.push_back(m);
    }
    std::mt19937_64 random(20261205);
    for (int i = 0; i < 50000; ++i) {
        const int digits = 6 + static_cast<int>(random() % 5);
        std::int64_t limit = 1;
        for (int d = 0; d < digits; ++d) {
            limit *= 10;
        }
        values.push_back(static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(limit)));
    }
    values.insert(values.end(), {999999, 1000000, 1000000000, 8888888888, MaxMoney});
    SimState state;
    for (const auto m : values) {
        state.money = m;
        ASSERT_EQ(readField(state, Field::Money, 2), QString::number(m)) << "money " << m;
    }
}

// The program finds the layout by reading the second position first; a
// status bar in the first position must read nothing there, and the other
// way round.
TEST(StatusBarReadBack, OnlyTheDrawnPositionYieldsReadings) {
    std::mt19937 random(7);
    for (int i = 0; i < 400; ++i) {
        SimState state;
        state.money = static_cast<std::int64_t>(random()) * 3 % (MaxMoney + 1);
        state.expHundredths = random() % (MaxExpHundredths + 1);
        state.fullScreen = i % 2 == 0;
        state.position = 1;
        EXPECT_EQ(readField(state, Field::Exp, 3), QString()) << state.money;
        EXPECT_EQ(readField(state, Field::Money, 4), QString()) << state.money;
        state.position = 2;
        EXPECT_EQ(readField(state, Field::Exp, 1), QString()) << state.expHundredths;
        EXPECT_EQ(readField(state, Field::Money, 4), QString::number(state.money));
        EXPECT_EQ(readField(state, Field::Exp, 3), QString::number(state.expHundredths));
    }
}

TEST(StatusBarReadBack, HiddenAndUnreadableFiguresReadNothing) {
    for (const Look look : {Look::Hidden, Look::Unreadable}) {
        for (int f = 0; f < FieldCount; ++f) {
            SimState state;
            state.lv = 123;
            state.expHundredths = 8888;
            state.money = 8888888;
            state.look[f] = look;
            const Field field = static_cast<Field>(f);
            EXPECT_EQ(readField(state, field, regionOf(state, field)), QString())
                << "field " << f << (look == Look::Hidden ? " hidden" : " unreadable");
        }
    }
}

// The painted window shows exactly the column words, with every pixel far
// enough from the threshold, in both modes and positions.
TEST(StatusBarPainting, RenderedRegionsCarryTheColumnWords) {
    for (const bool fullScreen : {false, true}) {
        for (const int position : {1, 2}) {
            SimState state;
            state.fullScreen = fullScreen;
            state.position = position;
            state.lv = 208;
            state.expHundredths = 9907;
            state.money = 4056789123;
            const Settings s = drawingSettings(state);
            const QImage image = renderStatusBar(state);
            for (int f = 0; f < FieldCount; ++f) {
                const Field field = static_cast<Field>(f);
                const auto& rect = s.CaptureRect[regionOf(state, field)];
                const QRect area(rect.X, rect.Y, rect.Width, rect.Height);
                const auto expected = fieldColumns(state, field, s);
                // A margin of 20 levels on either side of the threshold.
                for (const int shift : {-20, 20}) {
                    EXPECT_EQ(test::columnWords(image, area, s.BinarizeThreshold[f] + shift),
                              expected)
                        << "field " << f << " full screen " << fullScreen << " position "
                        << position << " shift " << shift;
                }
            }
        }
    }
}

TEST(StatusBarPainting, WindowModeMovesTheFiguresBy3And22) {
    SimState state;
    state.lv = 8;
    state.fullScreen = true;
    const QImage full = renderStatusBar(state);
    state.fullScreen = false;
    const QImage window = renderStatusBar(state);
    EXPECT_EQ(full.copy(45, 4, 27, 11), window.copy(48, 26, 27, 11));
    EXPECT_EQ(full.copy(103, 68, 76, 9), window.copy(106, 90, 76, 9));
}

TEST(SimScript, ReadsTimesAndActions) {
    const SimParse p = parseSimLine(QStringLiteral("at 1.5 lv 57 exp 12.34 money 1234567"), 0);
    ASSERT_TRUE(p.command);
    EXPECT_DOUBLE_EQ(p.command->atSeconds, 1.5);
    SimState state;
    state.look = {Look::Hidden, Look::Unreadable, Look::Hidden};
    for (const auto& a : p.command->actions) {
        applyToState(a, state);
    }
    EXPECT_EQ(state.lv, 57);
    EXPECT_EQ(state.expHundredths, 1234);
    EXPECT_EQ(state.money, 1234567);
    // Setting a value shows the figure again.
    EXPECT_EQ(state.look, (std::array<Look, 3>{Look::Shown, Look::Shown, Look::Shown}));

    // Without "at" a line runs at the time of the line before.
    const SimParse q = parseSimLine(QStringLiteral("hide exp unreadable money"), 65);
    ASSERT_TRUE(q.command);
    EXPECT_DOUBLE_EQ(q.command->atSeconds, 65);
    for (const auto& a : q.command->actions) {
        applyToState(a, state);
    }
    EXPECT_EQ(state.lookOf(Field::Exp), Look::Hidden);
    EXPECT_EQ(state.lookOf(Field::Money), Look::Unreadable);

    const SimParse r = parseSimLine(QStringLiteral("mode fullscreen position 2 lvset win7"), 0);
    ASSERT_TRUE(r.command);
    for (const auto& a : r.command->actions) {
        applyToState(a, state);
    }
    EXPECT_TRUE(state.fullScreen);
    EXPECT_EQ(state.position, 2);
    EXPECT_TRUE(state.windows7Lv);

    const SimParse m = parseSimLine(QStringLiteral("at 3 move -10 20 focus away close"), 0);
    ASSERT_TRUE(m.command);
    ASSERT_EQ(m.command->actions.size(), 3u);
    EXPECT_EQ(m.command->actions[0].kind, SimAction::Kind::Move);
    EXPECT_EQ(m.command->actions[0].x, -10);
    EXPECT_EQ(m.command->actions[1].kind, SimAction::Kind::FocusAway);
    EXPECT_EQ(m.command->actions[2].kind, SimAction::Kind::Close);
}

TEST(SimScript, BlankLinesAndCommentsAreNoCommands) {
    for (const char* line : {"", "   ", "# at 5 lv 3"}) {
        const SimParse p = parseSimLine(QString::fromLatin1(line), 0);
        EXPECT_FALSE(p.command) << line;
        EXPECT_TRUE(p.error.isEmpty()) << line;
    }
}

TEST(SimScript, RejectsWhatTheStatusBarCannotShow) {
    for (const char* line :
         {"lv 1000", "lv -1", "exp 100.01", "exp 12.345", "exp 1,5", "money 10000000000",
          "money 1,000", "at -1 lv 3", "at soon lv 3", "hide ely", "mode tiny", "position 3",
          "focus elsewhere", "move 10", "jump 3", "lv"}) {
        const SimParse p = parseSimLine(QString::fromLatin1(line), 0);
        EXPECT_FALSE(p.command) << line;
        EXPECT_FALSE(p.error.isEmpty()) << line;
    }
}

TEST(SimScript, ExpTextsBecomeHundredths) {
    EXPECT_EQ(parseExp(QStringLiteral("0")), 0);
    EXPECT_EQ(parseExp(QStringLiteral("7.5")), 750);
    EXPECT_EQ(parseExp(QStringLiteral("12.34")), 1234);
    EXPECT_EQ(parseExp(QStringLiteral("100")), 10000);
    EXPECT_EQ(parseExp(QStringLiteral(".5")), std::nullopt);
}

}  // namespace
}  // namespace bm::sim
