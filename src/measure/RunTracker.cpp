#include "measure/RunTracker.h"

#include <vector>

#include "app/AppContext.h"
#include "app/GameWindow.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "capture/RegionCapture.h"
#include "capture/ReviewFolder.h"
#include "platform/Platform.h"

namespace bm {

RunTracker::RunTracker(AppContext& app) : app_(app) {}

void RunTracker::followRun() {
    if (app_.run.LogStartStamp != runStamp_) {
        runStamp_ = app_.run.LogStartStamp;
        stats_.reset();
    }
}

void RunTracker::captureRejected() {
    // A test capture outside a run still leaves its pictures, but only the
    // run's own reads are counted.
    saveFailedRegions();
    if (app_.run.LogStartStamp.isEmpty()) {
        return;
    }
    followRun();
    stats_.countAttempt(false);
    if (changed) {
        changed();
    }
}

void RunTracker::captureAccepted(bool baseline) {
    if (app_.run.LogStartStamp.isEmpty()) {
        return;
    }
    followRun();
    stats_.countAttempt(true);
    const RunState& run = app_.run;
    AcceptedReading reading;
    reading.when = app_.platform.now();
    reading.lv = run.LvNow;
    reading.exp = Currency::fromDouble(run.ExpNow.toDouble() / 100.0);
    reading.money = run.MoneyNow;
    stats_.addAccepted(reading, baseline);
    if (changed) {
        changed();
    }
}

void RunTracker::saveFailedRegions() {
    // The regions are photographed again at once: the screen still shows
    // what the failed read saw.
    Platform& platform = app_.platform;
    const WindowId game =
        FindGameWindow(platform, app_.run.GameWindow, app_.settings.SearchWindowName);
    if (game == 0) {
        return;
    }
    std::vector<QImage> regions;
    for (const CaptureRect& rect : app_.settings.CaptureRect) {
        regions.push_back(CaptureClientRegion(platform, game, rect));
    }
    SaveReviewImages(ReviewFolderPath(app_.settings), regions, platform.now());
}

}  // namespace bm
