#include "measure/RecognizeRegion.h"

#include <optional>

#include "app/AppContext.h"
#include "app/RecognitionView.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "measure/GlyphMatcher.h"
#include "records/DebugLog.h"
#include "util/clsStringBuffer.h"

namespace bm {

namespace {

const QString Recognizing = QStringLiteral("認識中…");

// Pauses before every scan step and, in debug mode, shows the progress on
// the label and collects the trace.
class ScanFollower : public DigitScanObserver {
public:
    ScanFollower(Platform& platform, std::int32_t lag, RecognitionView& view, int cat,
                 clsStringBuffer* trace)
        : platform_(platform), lag_(lag), view_(view), cat_(cat), trace_(trace) {}

    void beforeStep() override {
        if (lag_ > 0) {
            WaitMilliseconds(platform_, lag_);
        }
    }
    void afterStep(int glyph, QStringView digits) override {
        if (trace_ == nullptr) {
            return;
        }
        if (glyph >= 0) {
            trace_->Append2(QStringLiteral(" 認識結果:"), QString::number(glyph));
        }
        view_.setRecognitionLabel(cat_, Recognizing + digits.toString());
    }
    void delimiterFound() override {
        if (trace_ != nullptr) {
            trace_->Append(QStringLiteral(" 認識結果:デリミタ"));
        }
    }

private:
    Platform& platform_;
    std::int32_t lag_;
    RecognitionView& view_;
    int cat_;
    clsStringBuffer* trace_;
};

// The digits as a decimal number: leading zeros dropped, "000" gives "0".
// Works on the text, so any number of digits is fine.
QString withoutLeadingZeros(const QString& digits) {
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits[i] == u'0') {
        ++i;
    }
    return digits.mid(i);
}

}  // namespace

namespace {

// Shows what the scan read in the category's recognition label (the digits,
// "NotFind" or "認識NG") and writes the trace, if any, to the debug log. The
// digits without leading zeros go to `result`.
void showReading(AppContext& ctx, RecognitionView& view, int cat, const DigitReading& reading,
                 std::optional<clsStringBuffer>& trace, const QString& category, QString& result) {
    if (reading.outcome == DigitReading::Outcome::NoDigit) {
        view.setRecognitionLabel(cat, QStringLiteral("NotFind"));
        if (trace) {
            trace->Append2(category, QStringLiteral(" 数値が見つかりませんでした"));
            ctx.log.WriteDebugLog(trace->Text());
        }
        return;
    }
    QString text = reading.digits;
    if (reading.outcome == DigitReading::Outcome::NoDelimiter) {
        if (trace) {
            trace->Append2(QStringLiteral(" デリミタ未検出 "), text);
        }
        text.clear();
    }
    if (text.isEmpty()) {
        view.setRecognitionLabel(cat, QStringLiteral("認識NG"));
    } else {
        result = withoutLeadingZeros(text);
        view.setRecognitionLabel(cat, text);
    }
    if (trace) {
        ctx.log.WriteDebugLog(trace->Text());
    }
}

}  // namespace

void RecognizeRegion(AppContext& ctx, RecognitionView& view, int cat, QString& result) {
    result.clear();
    if (cat < 0 || cat >= ReadingCount) {
        ErrorTrap trap;
        trap.fail(errcode::SubscriptOutOfRange);
        trap.report(ctx.log, QStringLiteral("RecognizeRegion"));
        return;
    }
    const auto r = static_cast<size_t>(cat);
    const std::int32_t glyphColumns = ctx.settings.PatternSize[0][r];
    const std::int64_t lastStart =
        (static_cast<std::int64_t>(ctx.settings.CaptureRect[r].Width) - glyphColumns) * 4;
    const std::int32_t lag = ctx.settings.LagCancelTime;
    // A pause runs the event loop, and whatever runs there may replace the
    // pixel string or the patterns; with pauses the scan works on its own
    // (shared, not duplicated) copies.
    std::optional<std::array<QString, GlyphCount>> ownPatterns;
    QString ownPixels;
    if (lag > 0) {
        ownPatterns = ctx.settings.Patterns[r];
        ownPixels = ctx.run.PixelString[r];
    }
    const std::array<QString, GlyphCount>& patterns =
        ownPatterns ? *ownPatterns : ctx.settings.Patterns[r];
    const QString& pixels = lag > 0 ? ownPixels : ctx.run.PixelString[r];

    std::optional<clsStringBuffer> trace;
    QString category;
    if (ctx.run.DebugMode) {
        category = QStringLiteral("category") + QString::number(cat);
        view.setRecognitionLabel(cat, Recognizing);
        trace.emplace();
        trace->Append2LF(category + QStringLiteral(" 変換データ : "), pixels);
    }

    const GlyphMatcher matcher(patterns, glyphColumns);
    ScanFollower follower(ctx.platform, lag, view, cat, trace ? &*trace : nullptr);
    const bool follow = trace.has_value() || lag > 0;
    const DigitReading reading =
        ReadDigits(pixels, matcher, lastStart, follow ? &follower : nullptr);

    showReading(ctx, view, cat, reading, trace, category, result);
}

}  // namespace bm
