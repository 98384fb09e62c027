#include <gtest/gtest.h>

#include <QTimer>
#include <utility>
#include <vector>

#include "measure/RecognitionView.h"
#include "measure/RecognizeRegion.h"
#include "measure/RunState.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "settings/SettingsDefaults.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "util/AppContext.h"
#include "util/Cp932.h"
#include "util/ProgramPaths.h"

namespace {

constexpr int Lv = 0;
constexpr int Exp = 1;
constexpr int Money = 2;

const QString Gap = QStringLiteral("0000");

class RecordingView : public bm::RecognitionView {
public:
    void setRecognitionLabel(int cat, const QString& text) override {
        labels.emplace_back(cat, text);
    }
    QStringList labelsOf(int cat) const {
        QStringList out;
        for (const auto& [c, text] : labels) {
            if (c == cat) {
                out << text;
            }
        }
        return out;
    }
    std::vector<std::pair<int, QString>> labels;
};

struct RecognizeRegionTest : ::testing::Test {
    bm::test::TempFolder folder;
    bm::Settings settings;
    bm::RunState run;
    bm::ProgramPaths paths = bm::ProgramPaths::single(folder.path());
    bm::FakePlatform platform;
    bm::DebugLog log{folder.path(), platform};
    bm::test::ScriptedPrompt prompt;
    bm::AppContext ctx{settings, run, paths, platform, log, prompt};
    RecordingView view;

    RecognizeRegionTest() { bm::applyCaptureDefaults(settings, true, false); }

    QString glyph(int cat, int k) const { return settings.Patterns[cat][k]; }
    QString delimiter(int cat) const { return glyph(cat, bm::DelimiterGlyph); }
    // The pieces, then empty columns up to the width of the reading's region.
    QString region(int cat, const QString& pieces) const {
        QString text = pieces;
        while (text.size() < 4 * settings.CaptureRect[cat].Width) {
            text += Gap;
        }
        return text;
    }
    QString read(int cat, const QString& pixels) {
        run.PixelString[cat] = pixels;
        QString result = QStringLiteral("stale");
        bm::RecognizeRegion(ctx, view, cat, result);
        return result;
    }
    QString lastLabel(int cat) const {
        const QStringList labels = view.labelsOf(cat);
        return labels.isEmpty() ? QString() : labels.last();
    }
    QString logText() const {
        return bm::cp932::decode(bm::test::TempFolder::readBytes(log.path()));
    }
};

}  // namespace

TEST_F(RecognizeRegionTest, NoDigitIsNotFind) {
    EXPECT_EQ(read(Money, QString()), QString());
    EXPECT_EQ(lastLabel(Money), QStringLiteral("NotFind"));
    EXPECT_EQ(read(Money, region(Money, Gap + delimiter(Money))), QString());
    EXPECT_EQ(lastLabel(Money), QStringLiteral("NotFind"));
    EXPECT_EQ(read(Exp, region(Exp, delimiter(Exp) + delimiter(Exp))), QString());
    EXPECT_EQ(lastLabel(Exp), QStringLiteral("NotFind"));
}

TEST_F(RecognizeRegionTest, ReadsDigitsUpToTheDelimiter) {
    EXPECT_EQ(
        read(Money, region(Money, Gap + glyph(Money, 1) + glyph(Money, 2) + delimiter(Money))),
        QStringLiteral("12"));
    EXPECT_EQ(lastLabel(Money), QStringLiteral("12"));
    // Leading zeros are dropped from the result but shown on the label.
    EXPECT_EQ(read(Money, region(Money, glyph(Money, 0) + glyph(Money, 0) + glyph(Money, 7) +
                                            delimiter(Money))),
              QStringLiteral("7"));
    EXPECT_EQ(lastLabel(Money), QStringLiteral("007"));
    EXPECT_EQ(read(Lv, region(Lv, glyph(Lv, 0) + glyph(Lv, 0) + glyph(Lv, 0) + delimiter(Lv))),
              QStringLiteral("0"));
    EXPECT_EQ(lastLabel(Lv), QStringLiteral("000"));
    // A delimiter left of the first digit is never looked at.
    EXPECT_EQ(
        read(Money, region(Money, delimiter(Money) + Gap + glyph(Money, 5) + delimiter(Money))),
        QStringLiteral("5"));
}

TEST_F(RecognizeRegionTest, NumberWithoutDelimiterIsRejected) {
    EXPECT_EQ(read(Money, region(Money, glyph(Money, 1) + glyph(Money, 2))), QString());
    EXPECT_EQ(lastLabel(Money), QStringLiteral("認識NG"));
    // The Exp delimiter does not end a money reading.
    EXPECT_EQ(read(Money, region(Money, glyph(Money, 1) + glyph(Money, 2) + delimiter(Exp))),
              QString());
    EXPECT_EQ(lastLabel(Money), QStringLiteral("認識NG"));
}

TEST_F(RecognizeRegionTest, PassesOverDecimalPointAndSeparators) {
    const QString background = QStringLiteral("01FF");
    const QString point = QStringLiteral("00FF");
    const QString comma = QStringLiteral("007F017F");
    EXPECT_EQ(read(Exp, region(Exp, background + glyph(Exp, 1) + glyph(Exp, 2) + point +
                                        glyph(Exp, 3) + glyph(Exp, 4) + delimiter(Exp))),
              QStringLiteral("1234"));
    EXPECT_EQ(lastLabel(Exp), QStringLiteral("1234"));
    EXPECT_EQ(
        read(Money, region(Money, glyph(Money, 1) + comma + glyph(Money, 2) + glyph(Money, 3) +
                                      glyph(Money, 4) + background + delimiter(Money))),
        QStringLiteral("1234"));
}

TEST_F(RecognizeRegionTest, IdenticalPatternsReadAsTheSmallerDigit) {
    settings.Patterns[Money][8] = glyph(Money, 3);
    EXPECT_EQ(read(Money, region(Money, glyph(Money, 8) + glyph(Money, 1) + delimiter(Money))),
              QStringLiteral("31"));
}

TEST_F(RecognizeRegionTest, KeepsTheCharacterAlignmentOfTheFirstDigit) {
    // A first digit two characters into a column: the following glyphs are
    // read at the same misalignment...
    EXPECT_EQ(read(Money, region(Money, QStringLiteral("01") + glyph(Money, 4) + glyph(Money, 2) +
                                            delimiter(Money) + QStringLiteral("01"))),
              QStringLiteral("42"));
    // ...and glyphs at other alignments are never met.
    EXPECT_EQ(
        read(Money, region(Money, QStringLiteral("01") + glyph(Money, 4) + QStringLiteral("01") +
                                      glyph(Money, 2) + delimiter(Money))),
        QString());
    EXPECT_EQ(lastLabel(Money), QStringLiteral("認識NG"));
}

TEST_F(RecognizeRegionTest, LastStartPositionIsRegionWidthLessOneGlyph) {
    // A 20-column region with 5-column glyphs: the last character position
    // compared is (20 - 5) * 4 = 60 (1-based), i.e. column 14 or up to three
    // characters into it.
    settings.CaptureRect[Money].Width = 20;
    const QString pixels = glyph(Money, 6) + Gap.repeated(9);
    EXPECT_EQ(read(Money, pixels + delimiter(Money) + Gap), QStringLiteral("6"));
    EXPECT_EQ(read(Money, pixels + Gap + delimiter(Money)), QString());
    EXPECT_EQ(lastLabel(Money), QStringLiteral("認識NG"));
    EXPECT_EQ(read(Money, QStringLiteral("010") + pixels + delimiter(Money) + QStringLiteral("0")),
              QStringLiteral("6"));
    EXPECT_EQ(read(Money, QStringLiteral("0100") + pixels + delimiter(Money)), QString());
    // A first digit beyond the last start position is found but never read.
    EXPECT_EQ(read(Money, Gap.repeated(15) + glyph(Money, 6) + delimiter(Money)), QString());
    EXPECT_EQ(lastLabel(Money), QStringLiteral("認識NG"));
}

TEST_F(RecognizeRegionTest, PausesBeforeEveryStepOnlyWithLag) {
    const QString pixels =
        region(Money, glyph(Money, 1) + Gap + glyph(Money, 2) + delimiter(Money));
    EXPECT_EQ(read(Money, pixels), QStringLiteral("12"));
    EXPECT_EQ(platform.pumpCalls, 0);

    settings.LagCancelTime = 30;
    const std::uint32_t start = platform.tickCount();
    EXPECT_EQ(read(Money, pixels), QStringLiteral("12"));
    // Four steps (1, the gap column, 2, the delimiter), each a wait of 31 ms.
    EXPECT_EQ(platform.tickCount() - start, 4u * 31u);
}

TEST_F(RecognizeRegionTest, WorksOnItsOwnCopiesWhileEventsRunInAPause) {
    settings.LagCancelTime = 10;
    QTimer::singleShot(0, [this] {
        run.PixelString[Money].clear();
        settings.Patterns[Money] = {};
        settings.PatternSize[0][Money] = 0;
    });
    EXPECT_EQ(read(Money, region(Money, glyph(Money, 9) + glyph(Money, 8) + delimiter(Money))),
              QStringLiteral("98"));
}

TEST_F(RecognizeRegionTest, DebugModeShowsProgressAndWritesOneTrace) {
    run.DebugMode = true;
    const QString pixels =
        region(Money, glyph(Money, 1) + Gap + glyph(Money, 2) + delimiter(Money));
    EXPECT_EQ(read(Money, pixels), QStringLiteral("12"));
    EXPECT_EQ(view.labelsOf(Money),
              QStringList({"認識中…", "認識中…1", "認識中…1", "認識中…12", "12"}));
    EXPECT_EQ(logText().mid(20),
              QStringLiteral("category2 変換データ : ") + pixels +
                  QStringLiteral("\r\n 認識結果:1 認識結果:2 認識結果:デリミタ\r\n"));

    QFile::remove(log.path());
    view.labels.clear();
    EXPECT_EQ(read(Lv, QString()), QString());
    EXPECT_EQ(view.labelsOf(Lv), QStringList({"認識中…", "NotFind"}));
    EXPECT_EQ(
        logText().mid(20),
        QStringLiteral("category0 変換データ : \r\ncategory0 数値が見つかりませんでした\r\n"));

    QFile::remove(log.path());
    EXPECT_EQ(read(Exp, region(Exp, glyph(Exp, 4) + glyph(Exp, 2))), QString());
    EXPECT_TRUE(logText().endsWith(QStringLiteral(" 認識結果:4 認識結果:2 デリミタ未検出 42\r\n")));
    EXPECT_EQ(lastLabel(Exp), QStringLiteral("認識NG"));
}

TEST_F(RecognizeRegionTest, QuietOutsideDebugModeAndSafeWithABadIndex) {
    EXPECT_EQ(read(Money, region(Money, glyph(Money, 3) + delimiter(Money))), QStringLiteral("3"));
    EXPECT_EQ(view.labelsOf(Money), QStringList({"3"}));
    EXPECT_FALSE(QFile::exists(log.path()));

    view.labels.clear();
    for (int cat : {-1, 3}) {
        QString result = QStringLiteral("stale");
        bm::RecognizeRegion(ctx, view, cat, result);
        EXPECT_EQ(result, QString());
    }
    EXPECT_TRUE(view.labels.empty());
    EXPECT_TRUE(logText().contains(
        QStringLiteral("Error Trap : RecognizeRegion : CODE9  Subscript out of range")));
}
