#include "measure/WineFrame.h"

#include <cmath>

#include "app/MeasureContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "records/DebugLog.h"
#include "util/Prompt.h"

namespace bm {

const QString WineFrameQuestion = QStringLiteral(
    "Wine の枠の分だけ認識領域をずらしますか？\r\n\r\n"
    "「はい」で 5 つの認識領域をすべてずらします。この変更を残すには、"
    "オプション画面で「保存」を押してください。");
const QString WineFrameTitle = QStringLiteral("Wine の枠");

namespace {

// Wine's frame of a fixed-size captioned window at 96 dpi: a 3-pixel dialog
// border, and a caption of 18 pixels plus its 1-pixel edge below the top
// border. Only the caption grows with the scale.
constexpr int FrameBorder = 3;
constexpr int CaptionHeight = 18;
constexpr int CaptionEdge = 1;

bool isWindowsProgram(const QString& name) {
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
}

}  // namespace

std::optional<QPoint> WineFrameShift(const std::optional<WindowFraming>& framing) {
    if (!framing || framing->decoratedByWindowManager ||
        !(isWindowsProgram(framing->className) || isWindowsProgram(framing->instanceName))) {
        return std::nullopt;
    }
    const double scale = framing->scale > 0 ? framing->scale : 1.0;
    const int caption = static_cast<int>(std::lround(CaptionHeight * scale));
    return QPoint(FrameBorder, FrameBorder + CaptionEdge + caption);
}

bool TryWineFrameShift(MeasureContext& m, WindowId game, const std::function<bool()>& readAll) {
    RunState& run = m.app.run;
    Settings& s = m.app.settings;
    if (run.WineFrameAsked) {
        return false;
    }
    const std::optional<QPoint> shift = WineFrameShift(m.app.platform.windowFraming(game));
    if (!shift) {
        return false;
    }
    const auto regions = s.CaptureRect;
    const auto layout = run.LayoutMode;
    const auto lv = run.LvNow;
    const auto exp = run.ExpNow;
    const auto money = run.MoneyNow;
    const auto putBack = [&] {
        s.CaptureRect = regions;
        run.LayoutMode = layout;
        run.LvNow = lv;
        run.ExpNow = exp;
        run.MoneyNow = money;
    };
    for (CaptureRect& r : s.CaptureRect) {
        r.X += shift->x();
        r.Y += shift->y();
    }
    run.LayoutMode = Layout::Undecided;
    if (!readAll()) {
        putBack();
        return false;
    }
    // Asked once per program run, whatever the answer: the box is modal and
    // the capture timer keeps running behind it.
    run.WineFrameAsked = true;
    const QString offset = QStringLiteral("%1,%2").arg(shift->x()).arg(shift->y());
    m.app.log.WriteDebugLog(QStringLiteral("Wine Frame Offset Found : ") + offset);
    if (m.app.prompt.ask(WineFrameQuestion, WineFrameTitle, PromptButtons::YesNo,
                         PromptIcon::Question) == PromptAnswer::Yes) {
        m.app.log.WriteDebugLog(QStringLiteral("Wine Frame Offset Applied : ") + offset);
        return true;
    }
    putBack();
    m.app.log.WriteDebugLog(QStringLiteral("Wine Frame Offset Declined "));
    return false;
}

}  // namespace bm
