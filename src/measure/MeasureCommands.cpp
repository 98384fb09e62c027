#include "measure/MeasureCommands.h"

#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/RunState.h"
#include "app/WaitClock.h"
#include "measure/CaptureCycle.h"
#include "measure/DisplayResult.h"
#include "measure/LoggingRun.h"
#include "measure/RegionReading.h"
#include "records/DebugLog.h"

namespace bm {

namespace {

constexpr int BringToFrontWaitMs = 10000;
constexpr int ResumeWaitSeconds = 10;
constexpr double ClockRangeMs = 4294967296.0;

void log(MeasureContext& m, const QString& text) {
    m.app.log.WriteDebugLog(text);
}

// "#0.000秒": whole milliseconds as seconds with three decimals.
QString secondsText(double elapsedMs) {
    const auto ms = static_cast<long long>(elapsedMs);
    return QStringLiteral("%1.%2秒").arg(ms / 1000).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

}  // namespace

void RunMenuCommand(MeasureContext& m) {
    log(m, QStringLiteral("Click : Run "));
    ChangeLogging(m, LoggingMode::Start);
    log(m, QStringLiteral("Loging ManualStart ･･･ "));
    m.view.setSuspendButtonRed(false);
    m.app.run.SuspendMode = false;
    m.view.resetPopupSize();
}

void StopMenuCommand(MeasureContext& m) {
    RunState& run = m.app.run;
    log(m, QStringLiteral("Click : Stop "));
    if (run.PopupShown) {
        m.view.hidePopupMessage();
        run.PopupShown = false;
    }
    DisplayResult(m, DisplayMode::Summary);
    ChangeLogging(m, LoggingMode::Stop);
    log(m, QStringLiteral("Loging Stop ･･･ End "));
    m.view.setSuspendButtonRed(false);
    run.SuspendMode = false;
}

void TempStopCommand(MeasureContext& m) {
    log(m, QStringLiteral("Click : Temporarily Stop "));
    ChangeSuspend(m, ResumeWaitSeconds);
}

void TestCaptureCommand(MeasureContext& m) {
    log(m, QStringLiteral("Click : Test Capture "));
    m.view.setTestButtonsEnabled(false);
    WaitMilliseconds(m.app.platform, BringToFrontWaitMs);
    CaptureImage(m);
    m.view.bringToFront();
    m.view.setTestButtonsEnabled(true);
    log(m, QStringLiteral("SingleCapture ･･･ End "));
}

void TestRecognizeCommand(MeasureContext& m) {
    RunState& run = m.app.run;
    log(m, QStringLiteral("Click : Test Recognize "));
    m.view.setTestButtonsEnabled(false);
    const double t0 = GetMilliseconds(m.app.platform);
    run.LvNow = LevelFromResult(RecognizeStored(m, 0));
    run.ExpNow = ReadingFromResult(RecognizeStored(m, 1));
    run.MoneyNow = ReadingFromResult(RecognizeStored(m, 2));
    double elapsed = GetMilliseconds(m.app.platform) - t0;
    if (elapsed < 0) {
        elapsed += ClockRangeMs;  // the clock wrapped meanwhile
    }
    const QString text = secondsText(elapsed);
    m.view.setElapseLabel(text);
    m.view.setTestButtonsEnabled(true);
    log(m, QStringLiteral("SingleRecognize(") + text + QStringLiteral(") ･･･ End "));
}

}  // namespace bm
