#include "measure/LoggingRun.h"

#include <exception>
#include <new>

#include "app/AppContext.h"
#include "app/CrLf.h"
#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "measure/CaptureCycle.h"
#include "measure/MeasureStep.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "records/LogText.h"
#include "records/PayRecord.h"
#include "util/Launcher.h"
#include "util/Prompt.h"

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

// The record folder may have gone away or become unwritable since the
// settings were read: the program's folder takes over before any record is
// written, as at start-up.
void checkRecordFolder(MeasureContext& m) {
    Settings& s = m.app.settings;
    if (PayRecordFolderUsable(s.PayRecordFolder)) {
        return;
    }
    m.app.log.WriteDebugLog(QStringLiteral("Pay Record Folder Unusable : ") + s.PayRecordFolder);
    s.PayRecordFolder = m.app.paths.writeFolder;
    m.app.prompt.tell(PayRecordFolderReplaced, QStringLiteral("ロギング開始"));
}

void startRun(MeasureContext& m) {
    RunState& run = m.app.run;
    const Settings& s = m.app.settings;
    checkRecordFolder(m);
    run.PayRecordPending.clear();
    run.PayRecordPopupShown = false;
    run.Notices = {};
    m.view.setRunMenu(false, QStringLiteral("ロギング"), true);
    if (s.AutoRunEnabled[0]) {
        launch(m, s.AutoRunPath[0]);
    }
    if (s.AutoRunEnabled[1]) {
        if (s.AutoRunEnabled[0]) {
            WaitMilliseconds(m.app.platform, SecondsToMilliseconds(s.AutoRun2Delay));
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
    m.view.appendLog(LogColumnHeader + CrLf);
    WaitMilliseconds(m.app.platform, SecondsToMilliseconds(s.StartDelay));
}

void stopRun(MeasureContext& m) {
    RunState& run = m.app.run;
    m.view.hidePopupMessage();
    run.PopupShown = false;
    m.view.setRunMenu(true, QStringLiteral("開始"), false);
    m.view.setCaptureTimerEnabled(false);
    // Lines kept back by an unwritable folder go out now, or to the debug log.
    EndPayRecord(m.app);
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
        trap.fail(errcode::OutOfMemory);
    } catch (const std::exception& e) {
        trap.fail(errcode::InvalidProcedureCall, QString::fromLocal8Bit(e.what()));
    }
}

}  // namespace

void ChangeLogging(MeasureContext& m, LoggingMode mode) {
    if (mode == LoggingMode::Start) {
        startRun(m);
    } else if (mode == LoggingMode::Stop) {
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
            trapped(trap,
                    [&] { WaitMilliseconds(m.app.platform, SecondsToMilliseconds(waitSec)); });
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
