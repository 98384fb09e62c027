#include "gesture/GestureCommands.h"

#include "app/AppContext.h"
#include "app/CrLf.h"
#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/PathUtil.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "capture/ImageFiles.h"
#include "gesture/BeepPattern.h"
#include "measure/CaptureCycle.h"
#include "measure/LoggingRun.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"

namespace bm {

namespace {

// Screenshot of the whole screen into the pay record folder's ss/ folder.
void SaveGestureScreenshot(AppContext& ctx) {
    const Settings& s = ctx.settings;
    QString folder = s.PayRecordFolder + QStringLiteral("/ss/");
    if (!PathExists(folder)) {
        CreateFolderTree(folder);
    }
    const QString base = folder + QStringLiteral("PrtScr") +
                         ctx.platform.now().toString(QStringLiteral("_yyyyMMddHHmmss"));
    SaveScreenImage(ctx.platform, base, s.ImageExtension);
}

}  // namespace

void HandleGestureEvents(MeasureContext& m, const QList<QPair<bool, bool>>& events) {
    AppContext& ctx = m.app;
    QString tokens;
    for (const auto& [left, pressed] : events) {
        tokens += gestureToken(left ? MouseButton::Left : MouseButton::Right, pressed);
    }
    const double now = GetMilliseconds(ctx.platform);
    const std::optional<GestureAction> action = FeedGesture(
        ctx.run, ctx.settings.GestureWaitTime, tokens, now, GetMilliseconds(ctx.platform));
    if (action) {
        RunGesture(m, *action);
    }
}

void RunGesture(MeasureContext& m, GestureAction action) {
    AppContext& ctx = m.app;
    Settings& s = ctx.settings;
    const GestureRow& row = gestureRow(action);
    switch (action) {
        case GestureAction::Suspend:
            if (!ctx.run.SuspendMode) {
                ChangeSuspend(m, 0);
            }
            break;
        case GestureAction::Resume:
            if (ctx.run.SuspendMode) {
                ChangeSuspend(m, 0);
            }
            break;
        case GestureAction::WatchOn:
            if (!s.ShotCheckEnabled) {
                s.ShotCheckEnabled = true;
                m.view.setWatchTimer(s.ShotCheckInterval, true);
            }
            break;
        case GestureAction::WatchOff:
            if (s.ShotCheckEnabled) {
                s.ShotCheckEnabled = false;
                m.view.setWatchTimer(s.ShotCheckInterval, false);
            }
            break;
        case GestureAction::CaptureNow:
            if (!ctx.run.LogStartStamp.isEmpty()) {
                CaptureImage(m);
            }
            break;
        case GestureAction::PrintScreen:
            SaveGestureScreenshot(ctx);
            BeepPattern(ctx, 3, 3, 0, 0);
            ctx.log.WriteDebugLog(QStringLiteral("OnLine Print Screen ･･･ End "));
            m.view.appendLog(CrLf + QString::fromUtf8(row.logLine));
            return;
    }
    BeepPattern(ctx, row.beepRhythm[0], row.beepRhythm[1], row.beepRhythm[2], row.beepRhythm[3]);
    m.view.appendLog(CrLf + QString::fromUtf8(row.logLine));
}

}  // namespace bm
