#pragma once

#include <QString>
#include <functional>

#include "measure/CaptureObserver.h"
#include "measure/RunStats.h"

namespace bm {

struct AppContext;

// Follows the measuring runs through the capture observer: keeps the run's
// figures (rates, time to level, read success; captures outside a run are
// not counted) and keeps the region pictures of every failed read in the
// review folder.
class RunTracker : public CaptureObserver {
public:
    explicit RunTracker(AppContext& app);

    void captureRejected() override;
    void captureAccepted(bool baseline) override;

    const RunStats& stats() const { return stats_; }
    // Called after every capture the tracker has counted.
    std::function<void()> changed;

private:
    // A new run (another start stamp) starts the figures afresh.
    void followRun();
    void saveFailedRegions();

    AppContext& app_;
    RunStats stats_;
    QString runStamp_;
};

}  // namespace bm
