#include "measure/LevelUpWatch.h"

#include "capture/ImageFiles.h"
#include "capture/RegionCapture.h"
#include "capture/WaitClock.h"
#include "measure/DisplayResult.h"
#include "measure/MainView.h"
#include "measure/MeasureContext.h"
#include "measure/RegionReading.h"
#include "measure/RunState.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "records/LogText.h"
#include "settings/Settings.h"
#include "util/PathUtil.h"

namespace bm {

namespace {

constexpr int BurstPauseMs = 300;

// The Exp value from whichever of its two positions shows it, the second
// position first. Each position is recognised on its own: the scan of a
// reading ends at its own region's width, so digits of the first position
// placed behind those of the second would never be reached.
QString readWatchedExp(MeasureContext& m, WindowId w) {
    const QString second = ReadRegion(m, w, 3, 1);
    return second.isEmpty() ? ReadRegion(m, w, 1, 1) : second;
}

// Refreshes the Exp and money readings from the pair of regions the capture
// cycle found; the level is left alone.
void refreshReadings(MeasureContext& m, WindowId w) {
    RunState& run = m.app.run;
    if (run.LayoutMode == 1) {
        run.ExpNow = ReadingFromResult(ReadRegion(m, w, 1, 1));
        run.MoneyNow = ReadingFromResult(ReadRegion(m, w, 2, 2));
    } else if (run.LayoutMode == 2) {
        run.ExpNow = ReadingFromResult(ReadRegion(m, w, 3, 1));
        run.MoneyNow = ReadingFromResult(ReadRegion(m, w, 4, 2));
    }
}

void takeBurst(MeasureContext& m) {
    const Settings& s = m.app.settings;
    Platform& platform = m.app.platform;
    BeepIfEnabled(s, platform);
    QString folder = s.PayRecordFolder + QStringLiteral("/ss/");
    if (!PathExists(folder)) {
        CreateFolderTree(folder);
    }
    const QString base = folder + QStringLiteral("LvUP") +
                         platform.now().toString(QStringLiteral("_yyyyMMddHHmmss"));
    const QString suffixes[] = {QStringLiteral("_a"), QStringLiteral("_b"), QStringLiteral("_c"),
                                QStringLiteral("_d")};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            WaitMilliseconds(platform, BurstPauseMs);
        }
        SaveScreenImage(platform, base + suffixes[i], s.ImageExtension);
    }
    m.view.appendLog(platform.now().toString(QStringLiteral("MM/dd HH:mm")) +
                     QStringLiteral("  LvUP or Dead 検出 \r\n"));
    DisplayResult(m, display::Update);
    m.app.log.WriteDebugLog(QStringLiteral("DEAD OR HAPPY LIVE Print Screen ･･･ End "));
}

}  // namespace

void WatchTimerTick(MeasureContext& m) {
    const RunState& run = m.app.run;
    if (!run.LogStartStamp.isEmpty() && !run.CaptureBusy) {
        DoHLCheck(m);
    }
}

void DoHLCheck(MeasureContext& m) {
    RunState& run = m.app.run;
    Platform& platform = m.app.platform;
    if (run.Closing) {
        return;
    }
    const WindowId game = FindGameWindow(platform, run.GameWindow, m.app.settings.SearchWindowName);
    if (game == 0 || !platform.isForeground(game)) {
        return;
    }
    // The watch reads up to four regions of the status bar each second:
    // one read of the screen covers them all.
    {
        const auto& rects = m.app.settings.CaptureRect;
        const HeldRegions held(platform, game, {rects[1], rects[2], rects[3], rects[4]});
        run.WatchExp = ReadingFromResult(readWatchedExp(m, game));
        refreshReadings(m, game);
    }
    DoHLPrintScreen(m);
}

void DoHLPrintScreen(MeasureContext& m) {
    RunState& run = m.app.run;
    if (run.WatchExp < Currency()) {
        return;
    }
    run.WatchExpData[0] = Currency::fromDouble(run.WatchExp.toDouble() / 100.0);
    const bool firstReading = !run.WatchExpSeen;
    run.WatchExpSeen = true;
    if (run.WatchExpData[0] == run.WatchExpData[1]) {
        return;
    }
    run.WatchExpData[2] = run.WatchExpData[0] - run.WatchExpData[1];
    run.WatchExpData[1] = run.WatchExpData[0];
    if (firstReading) {
        // The first value seen is where watching starts, not a rise.
        return;
    }
    if (run.WatchExpData[2] > Currency()) {
        run.WatchExpData[3] = run.WatchExpData[2];
        return;
    }
    if (run.WatchExpData[3] == Currency()) {
        return;
    }
    takeBurst(m);
}

}  // namespace bm
