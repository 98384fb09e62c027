#include "measure/CaptureCycle.h"

#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "capture/RegionCapture.h"
#include "measure/CaptureNoticeRules.h"
#include "measure/GraphSink.h"
#include "measure/MeasureStep.h"
#include "measure/RegionReading.h"
#include "measure/WineFrame.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"

namespace bm {

namespace {

// Due captures that may find the game window in the background before a
// zero sample keeps the graph's time axis moving.
constexpr int BackgroundLimit = 480;
constexpr int RetrySeconds = 15;

void log(MeasureContext& m, const QString& text) {
    m.app.log.WriteDebugLog(text);
}

bool isDue(const RunState& run, const QDateTime& now) {
    return !run.NextCaptureTime.isValid() || run.NextCaptureTime <= now;
}

bool bothUnread(const RunState& run) {
    return run.ExpNow.toDouble() * run.MoneyNow.toDouble() == 1.0;
}

void readExp(MeasureContext& m, WindowId w, int region) {
    m.app.run.ExpNow = ReadingFromResult(ReadRegion(m, w, region, 1));
}

void readMoney(MeasureContext& m, WindowId w, int region) {
    m.app.run.MoneyNow = ReadingFromResult(ReadRegion(m, w, region, 2));
}

bool isRead(Currency reading) {
    return reading >= Currency();
}

// Reads Exp and money from the pair of regions that the layout names, or
// finds out which pair shows them while the layout is undecided.
void readExpAndMoney(MeasureContext& m, WindowId w) {
    RunState& run = m.app.run;
    if (run.LayoutMode == Layout::Regions3And4) {
        log(m, QStringLiteral("CaptureImage5-3a"));
        readExp(m, w, 3);
        log(m, QStringLiteral("CaptureImage5-4a"));
        readMoney(m, w, 4);
        if (bothUnread(run)) {
            run.LayoutMode = Layout::Undecided;
        }
        return;
    }
    if (run.LayoutMode == Layout::Regions1And2) {
        log(m, QStringLiteral("CaptureImage5-1a"));
        readExp(m, w, 1);
        log(m, QStringLiteral("CaptureImage5-2a"));
        readMoney(m, w, 2);
        if (bothUnread(run)) {
            run.LayoutMode = Layout::Undecided;
        }
        return;
    }

    log(m, QStringLiteral("CaptureImage5-4b"));
    readMoney(m, w, 4);
    if (isRead(run.MoneyNow)) {
        run.LayoutMode = Layout::Regions3And4;
        log(m, QStringLiteral("CaptureImage5-3c"));
        readExp(m, w, 3);
        return;
    }
    log(m, QStringLiteral("CaptureImage5-3b"));
    readExp(m, w, 3);
    if (isRead(run.ExpNow)) {
        run.LayoutMode = Layout::Regions3And4;
    }
    if (run.LayoutMode != Layout::Undecided) {
        return;
    }
    log(m, QStringLiteral("CaptureImage5-1b"));
    readExp(m, w, 1);
    if (isRead(run.ExpNow)) {
        run.LayoutMode = Layout::Regions1And2;
    }
    log(m, QStringLiteral("CaptureImage5-2b"));
    readMoney(m, w, 2);
    if (isRead(run.MoneyNow)) {
        run.LayoutMode = Layout::Regions1And2;
    }
}

// The game window is behind another one: try again in 15 seconds. With the
// graph shown, a long absence still moves the graph's time axis.
void postponeForBackground(MeasureContext& m) {
    RunState& run = m.app.run;
    const Settings& s = m.app.settings;
    run.NextCaptureTime = m.app.platform.now().addSecs(RetrySeconds);
    if (!s.GraphShow) {
        return;
    }
    ++run.BackgroundCount;
    if (run.BackgroundCount > BackgroundLimit) {
        run.BackgroundCount = 0;
        if (m.graph != nullptr) {
            m.graph->AddGraphData(Currency(), Currency(), s.GraphAverageCount, s.GraphPoints, 0);
        }
        m.view.graphDataDisplay(run.GraphOffset, run.GraphScale);
    }
}

void reportMissingWindow(MeasureContext& m) {
    RunState& run = m.app.run;
    const Settings& s = m.app.settings;
    log(m, QStringLiteral("CaptureImage1"));
    if (PopupFreeForMissingWindow(m) && !m.view.inputDialogOpen()) {
        m.view.showPopupMessage(s.SearchWindowName + QStringLiteral("が起動していません"),
                                QStringLiteral("エラー"), 14);
        run.PopupShown = true;
        run.Notices.showing = CaptureNotices::Showing::None;
    }
    if (run.LogStartStamp.isEmpty() && run.DebugMode) {
        log(m,
            QStringLiteral("Lost ") + s.SearchWindowName + QStringLiteral(" Then Capture Stop "));
    }
}

}  // namespace

void CaptureTimerTick(MeasureContext& m) {
    RunState& run = m.app.run;
    // A tick with nothing due leaves the window alone: repainting the frame
    // every ten seconds would show nothing new, the labels repaint
    // themselves when their text changes.
    if (!isDue(run, m.app.platform.now())) {
        return;
    }
    m.view.refreshFrame1();
    if (run.LogStartStamp.isEmpty()) {
        m.view.setCaptureTimerEnabled(false);
        return;
    }
    run.CaptureBusy = true;
    CaptureImage(m);
    run.CaptureBusy = false;
}

void CaptureImage(MeasureContext& m) {
    RunState& run = m.app.run;
    const Settings& s = m.app.settings;
    Platform& platform = m.app.platform;
    if (run.Closing) {
        return;
    }
    log(m, QStringLiteral("CaptureImage0"));
    // Moved before anything waits, so a tick during this capture finds it not due.
    run.NextCaptureTime = platform.now().addSecs(60LL * s.CaptureInterval);

    const WindowId game = FindGameWindow(platform, run.GameWindow, s.SearchWindowName);
    if (game == 0) {
        reportMissingWindow(m);
        return;
    }
    log(m, QStringLiteral("CaptureImage2"));
    HidePopupOnWindowFound(m);
    log(m, QStringLiteral("CaptureImage3"));

    const ForegroundVerdict front = platform.checkForeground(game);
    if (!front.inFront()) {
        postponeForBackground(m);
        NoteBackground(m, front);
        return;
    }
    NoteInFront(m);
    run.BackgroundCount = 0;
    log(m, QStringLiteral("CaptureImage4"));
    run.CaptureBusy = true;

    if (run.DebugMode) {
        for (int i = 0; i < RegionCount; ++i) {
            m.view.setCapturePreview(i, CaptureClientRegion(platform, game, s.CaptureRect[i]));
        }
    }

    log(m, QStringLiteral("CaptureImage5-1"));
    const Layout layout = run.LayoutMode;
    const auto readAll = [&] {
        run.LvNow = LevelFromResult(ReadRegion(m, game, 0, 0));
        readExpAndMoney(m, game);
        return run.LvNow >= 0 && isRead(run.ExpNow) && isRead(run.MoneyNow);
    };
    // Nothing read at all: perhaps Wine draws the game's frame inside its window.
    if (!readAll() && run.LvNow < 0 && !isRead(run.ExpNow) && !isRead(run.MoneyNow)) {
        TryWineFrameShift(m, game, readAll);
    }

    run.CaptureBusy = false;
    log(m, QStringLiteral("CaptureImage7"));
    if (!CheckCoveredRegions(m, game, layout)) {
        MeasureStep(m);
    }
    log(m, QStringLiteral("CaptureImage8"));
}

}  // namespace bm
