#include <gtest/gtest.h>

#include <QTimer>
#include <array>

#include "app/RecognitionView.h"
#include "measure/RecognizeRegion.h"
#include "settings/SettingsDefaults.h"
#include "support/TestContext.h"

namespace {

constexpr int Exp = 1;
constexpr int Money = 2;

const QString Gap = QStringLiteral("0000");

// The labels shown, per reading.
struct RecordingView : bm::RecognitionView {
    void setRecognitionLabel(int cat, const QString& text) override { labels[cat] << text; }
    std::array<QStringList, 3> labels;
};

struct RecognizeRegionTest : ::testing::Test, bm::test::TestContext<> {
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
    QString lastLabel(int cat) const { return view.labels[cat].value(view.labels[cat].size() - 1); }
};

}  // namespace

TEST_F(RecognizeRegionTest, ReadsDigitsUpToTheDelimiter) {
    auto m = [this](int k) { return glyph(Money, k); };
    auto e = [this](int k) { return glyph(Exp, k); };
    const QString money = delimiter(Money);
    const QString percent = delimiter(Exp);
    const QString background = QStringLiteral("01FF");
    const QString point = QStringLiteral("00FF");
    const QString comma = QStringLiteral("007F017F");
    settings.Patterns[Money][8] = m(3);  // digits 3 and 8 drawn alike
    struct Row {
        int cat;
        QString pixels;
        const char* result;
        const char* label;
    };
    const Row rows[] = {
        {Money, QString(), "", "NotFind"},
        {Money, Gap + money, "", "NotFind"},
        {Exp, percent + percent, "", "NotFind"},
        {Money, Gap + m(1) + m(2) + money, "12", "12"},
        {Money, m(1) + m(2), "", "認識NG"},
        {Money, m(0) + m(0) + m(7) + money, "7", "007"},
        {Money, m(0) + m(0) + m(0) + money, "0", "000"},
        {Money, money + Gap + m(5) + money, "5", "5"},
        {Money, m(8) + m(1) + money, "31", "31"},
        {Exp, background + e(1) + e(2) + point + e(3) + e(4) + percent, "1234", "1234"},
        {Money, m(1) + comma + m(2) + m(3) + m(4) + background + money, "1234", "1234"},
        // A first digit two characters into a column: the following glyphs
        // are read at the same misalignment, glyphs at others are never met.
        {Money, "01" + m(4) + m(2) + money + "01", "42", "42"},
        {Money, "01" + m(4) + "01" + m(2) + money, "", "認識NG"},
    };
    for (const Row& row : rows) {
        const QString pixels = row.pixels.isEmpty() ? QString() : region(row.cat, row.pixels);
        EXPECT_EQ(read(row.cat, pixels), QString::fromUtf8(row.result)) << row.pixels.toStdString();
        EXPECT_EQ(lastLabel(row.cat), QString::fromUtf8(row.label)) << row.pixels.toStdString();
    }
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

    // Whatever runs during a pause may replace the text or the patterns;
    // the reading in progress is not disturbed.
    settings.LagCancelTime = 30;
    QTimer::singleShot(0, [this] {
        run.PixelString[Money].clear();
        settings.Patterns[Money] = {};
    });
    EXPECT_EQ(read(Money, pixels), QStringLiteral("12"));
    EXPECT_GT(platform.pumpCalls, 0);
}

TEST_F(RecognizeRegionTest, SafeWithABadIndex) {
    for (int cat : {-1, 3}) {
        QString result = QStringLiteral("stale");
        bm::RecognizeRegion(ctx, view, cat, result);
        EXPECT_EQ(result, QString());
    }
    EXPECT_EQ(view.labels, (std::array<QStringList, 3>{}));
    EXPECT_TRUE(logMessages().contains(
        QStringLiteral("Error Trap : RecognizeRegion : CODE9  Subscript out of range")));
}
