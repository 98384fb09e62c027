#include <benchmark/benchmark.h>

#include "app/AppContext.h"
#include "app/ProgramPaths.h"
#include "app/RecognitionView.h"
#include "app/RunState.h"
#include "measure/GlyphMatcher.h"
#include "measure/RecognizeRegion.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "settings/SettingsDefaults.h"
#include "util/Prompt.h"

namespace {

constexpr int Money = 2;

class NoView : public bm::RecognitionView {
public:
    void setRecognitionLabel(int, const QString& text) override { benchmark::DoNotOptimize(text); }
};

class NoPrompt : public bm::Prompt {
public:
    bm::PromptAnswer ask(const QString&, const QString&, bm::PromptButtons,
                         bm::PromptIcon) override {
        return bm::PromptAnswer::Ok;
    }
};

// The default money region (76 columns) showing `digits` with thousands
// separators after some background, the "E" of "ELY", then background.
QString moneyRegion(const bm::Settings& s, const QString& digits, int leadingColumns) {
    const QString background = QStringLiteral("01FF");
    const QString comma = QStringLiteral("01BF017F");
    QString text = background.repeated(leadingColumns);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += comma;
        }
        text += s.Patterns[Money][digits[i].digitValue()];
    }
    text += s.Patterns[Money][bm::DelimiterGlyph];
    while (text.size() < 4 * s.CaptureRect[Money].Width) {
        text += background;
    }
    return text;
}

struct Bench {
    bm::Settings settings;
    bm::RunState run;
    bm::ProgramPaths paths = bm::ProgramPaths::single(QStringLiteral("/nonexistent"));
    bm::FakePlatform platform;
    bm::DebugLog log{paths.writeFolder, platform};
    NoPrompt prompt;
    bm::AppContext ctx{settings, run, paths, platform, log, prompt};
    NoView view;

    Bench() { bm::applyCaptureDefaults(settings, true, false); }
};

void recognize(benchmark::State& state, const QString& digits, int leadingColumns) {
    Bench b;
    b.run.PixelString[Money] = moneyRegion(b.settings, digits, leadingColumns);
    QString result;
    for (auto _ : state) {
        bm::RecognizeRegion(b.ctx, b.view, Money, result);
        benchmark::DoNotOptimize(result);
    }
    if (!digits.isEmpty() && result.isEmpty()) {
        state.SkipWithError("the region was not read");
    }
}

// 1,234,567 ELY a few columns into the region.
void BM_RecognizeMoney(benchmark::State& state) {
    recognize(state, QStringLiteral("1234567"), 6);
}
// The longest number that fits: 9,876,543,210 right after the left edge.
void BM_RecognizeMoneyTenDigits(benchmark::State& state) {
    recognize(state, QStringLiteral("9876543210"), 0);
}
// No digit anywhere: the start search walks the whole text.
void BM_RecognizeMoneyNoDigit(benchmark::State& state) {
    Bench b;
    b.run.PixelString[Money] = QStringLiteral("01FF").repeated(76);
    QString result;
    for (auto _ : state) {
        bm::RecognizeRegion(b.ctx, b.view, Money, result);
        benchmark::DoNotOptimize(result);
    }
}

// The pure part alone, with the patterns prepared once.
void BM_ReadDigitsMoney(benchmark::State& state) {
    Bench b;
    const QString text = moneyRegion(b.settings, QStringLiteral("1234567"), 6);
    const bm::GlyphMatcher matcher(b.settings.Patterns[Money], 5);
    for (auto _ : state) {
        bm::DigitReading r = bm::ReadDigits(text, matcher, (76 - 5) * 4);
        benchmark::DoNotOptimize(r);
    }
}

}  // namespace

BENCHMARK(BM_RecognizeMoney);
BENCHMARK(BM_RecognizeMoneyTenDigits);
BENCHMARK(BM_RecognizeMoneyNoDigit);
BENCHMARK(BM_ReadDigitsMoney);
