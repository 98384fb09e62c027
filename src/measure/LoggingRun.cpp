#include "measure/LoggingRun.h"

#include <exception>
#include <new>

#include "capture/WaitClock.h"
#include "measure/CaptureCycle.h"
#include "measure/MainView.h"
#include "measure/MeasureContext.h"
#include "measure/MeasureStep.h"
#include "measure/RunState.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "settings/Settings.h"
#include "util/Launcher.h"

namespace bm {

namespace {

constexpr int FirstCaptureSeconds = 15;

// Launches wait through the program's message-pumping wait and show the
// wait cursor on the main window.
void launch(MeasureContext& m, const QString& path) {
    LaunchHooks hooks;
    hooks.wait = [&m](int ms) { WaitMilliseconds(m.app.platform, ms); };
    hooks.busyPointer = [&m](bool on) { m.view.setWaitCursor(on); };
    ExecuteFile(m.app, path, kLaunchWaitMs, hooks);
}

void startRun(MeasureContext& m) {
    RunState& run = m.app.run;
    const Settings& s = m.app.settings;
    m.view.setRunMenu(false, QStringLiteral("ロギング"), true);
    if (s.AutoRunEnabled[0]) {
        launch(m, s.AutoRunPath[0]);
    }
    if (s.AutoRunEnabled[1]) {
        if (s.AutoRunEnabled[0]) {
            WaitMilliseconds(m.app.platform, s.AutoRun2Delay * 1000);
            if (run.Closing) {
                return;
            }
        }
        launch(m, s.AutoRunPath[1]);
    }
    m.view.setCaptureTimerEnabled(true);
    const QDateTime now = m.app.platform.now();
    run.NextCaptureTime = now.addSecs(FirstCaptureSeconds);
    run.LogStartStamp = now.toString(QStringLiteral("yyyyMMddHHmm"));
    m.view.appendLog(LogColumnHeader + QStringLiteral("\r\n"));
    WaitMilliseconds(m.app.platform, s.StartDelay * 1000);
}

void stopRun(MeasureContext& m) {
    RunState& run = m.app.run;
    m.view.hidePopupMessage();
    run.PopupShown = false;
    m.view.setRunMenu(true, QStringLiteral("開始"), false);
    m.view.setCaptureTimerEnabled(false);
    run.LogStartStamp.clear();
    // The next run starts with a new baseline; the money reference stays.
    run.ExpData[1] = Currency();
    run.ExpSeconds[1] = 0;
    run.LvData[1] = 0;
}

// Runs one step of a routine that goes on past failing steps, keeping the
// last failure for its Error Trap line.
template <typename Step>
void trapped(ErrorTrap& trap, Step step) {
    try {
        step();
    } catch (const std::bad_alloc&) {
        trap.fail(7, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        trap.fail(5, QString::fromLocal8Bit(e.what()));
    }
}

}  // namespace

void ChangeLogging(MeasureContext& m, int mode) {
    if (mode == logging::Start) {
        startRun(m);
    } else if (mode == logging::Stop) {
        stopRun(m);
    }
}

void ChangeSuspend(MeasureContext& m, std::int32_t waitSec) {
    RunState& run = m.app.run;
    ErrorTrap trap;
    if (run.SuspendMode) {
        trapped(trap, [&] { m.view.setSuspendButtonRed(false); });
        run.SuspendMode = false;
        m.app.log.WriteDebugLog(QStringLiteral("Suspend Mode Off "));
        if (!run.LogStartStamp.isEmpty()) {
            trapped(trap, [&] { m.view.setCaptureTimerEnabled(true); });
            trapped(trap, [&] { WaitMilliseconds(m.app.platform, waitSec * 1000); });
            trapped(trap, [&] { CaptureTimerTick(m); });
        }
    } else {
        if (m.view.captureTimerEnabled()) {
            run.SuspendMode = true;
            trapped(trap, [&] { m.view.setCaptureTimerEnabled(false); });
            trapped(trap, [&] { m.view.setSuspendButtonRed(true); });
        }
        m.app.log.WriteDebugLog(QStringLiteral("Suspend Mode On "));
    }
    trap.report(m.app.log, QStringLiteral("ChangeSuspend"));
}

}  // namespace bm
