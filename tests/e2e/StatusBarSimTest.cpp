#include <gtest/gtest.h>

#include <random>

#include "SimScript.h"
#include "StatusBarPainter.h"
#include "measure/GlyphMatcher.h"

// What the end-to-end tests rely on from the stand-in: every figure they
// can make it show reads back through the program's recognition, and a
// script line it cannot show is refused instead of applied in part.

namespace bm::sim {
namespace {

// The number the recognition reads from a figure drawn in its region with
// the default settings of the stand-in's layout; empty when it reads none.
QString readBack(const SimState& state, Field field) {
    const Settings s = drawingSettings(state);
    const auto r = static_cast<size_t>(field);
    QString text;
    for (const std::uint16_t word : fieldColumns(state, field, s)) {
        text += QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
    }
    const GlyphMatcher matcher(s.Patterns[r], s.PatternSize[0][r]);
    const DigitReading reading =
        ReadDigits(text, matcher, (s.CaptureRect[r].Width - s.PatternSize[0][r]) * 4);
    if (reading.outcome != DigitReading::Outcome::Delimited) {
        return {};
    }
    return QString::number(reading.digits.toULongLong());
}

TEST(StatusBarReadBack, EveryLevelAndExpAndSampledMoneyReadBack) {
    for (const bool windows7 : {false, true}) {
        SimState state;
        state.windows7Lv = windows7;
        for (state.lv = 0; state.lv <= MaxLv; ++state.lv) {
            ASSERT_EQ(readBack(state, Field::Lv), QString::number(state.lv))
                << "level " << state.lv << " Windows 7 set " << windows7;
        }
    }
    for (const int position : {1, 2}) {
        SimState state;
        state.position = position;
        for (state.expHundredths = 0; state.expHundredths <= MaxExpHundredths;
             ++state.expHundredths) {
            ASSERT_EQ(readBack(state, Field::Exp), QString::number(state.expHundredths))
                << "position " << position;
        }
    }
    // Every width of the thousands separators, and the largest values.
    std::vector<std::int64_t> money{999999, 1000000, 1000000000, 8888888888, MaxMoney};
    std::mt19937_64 random(20261205);
    for (int i = 0; i < 5000; ++i) {
        money.push_back(static_cast<std::int64_t>(random() % 10'000'000'000ULL) >> (i % 30));
    }
    SimState state;
    for (const auto m : money) {
        state.money = m;
        ASSERT_EQ(readBack(state, Field::Money), QString::number(m));
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

}  // namespace
}  // namespace bm::sim
