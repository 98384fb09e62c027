#include "shell/FormMain.h"

#include <QMenuBar>

#include "app/AppContext.h"
#include "app/CrLf.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "capture/ScreenshotCommands.h"
#include "measure/CaptureCycle.h"
#include "measure/LevelUpWatch.h"
#include "measure/MeasureCommands.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "settings/FormInputCheck.h"
#include "shell/EnvironmentReport.h"
#include "shell/EnvironmentSource.h"
#include "util/FormVersion.h"
#include "util/Launcher.h"
#include "util/RandomTools.h"

namespace bm {

namespace {

// Opening a file or a web page shows the wait pointer over the window.
LaunchHooks waitCursorHooks(FormMain& window) {
    return LaunchHooks{{}, [&window](bool busy) { window.setWaitCursor(busy); }};
}

}  // namespace

void FormMain::connectMenus() {
    connectFileAndConfigMenus();
    connectToolMenus();
    connectHelpMenus();
    connectButtonsAndTimers();
}

void FormMain::connectFileAndConfigMenus() {
    connect(ui_.menuPatternSave, &QAction::triggered, this,
            [this] { PatternSaveCommand(measure_); });
    connect(ui_.menuEnd, &QAction::triggered, this, [this] {
        ctx_.log.WriteDebugLog(QStringLiteral("Click : END "));
        closeProgram();
    });
    connect(ui_.menuConfig, &QMenu::aboutToShow, this, [this] {
        ui_.menuGesture->setChecked(ctx_.settings.GestureEnabled);
        ui_.menuDebugMode->setChecked(ctx_.run.DebugMode);
    });
    connect(ui_.menuOption, &QAction::triggered, this, [this] {
        ctx_.log.WriteDebugLog(QStringLiteral("Click : Option "));
        if (services_.showOptions) {
            services_.showOptions();
        }
    });
    connect(ui_.menuGesture, &QAction::triggered, this, &FormMain::toggleGesture);
    connect(ui_.menuDebugMode, &QAction::triggered, this, &FormMain::toggleDebugMode);
}

void FormMain::connectToolMenus() {
    connect(ui_.menuRun, &QAction::triggered, this, [this] { RunMenuCommand(measure_); });
    connect(ui_.menuStop, &QAction::triggered, this, [this] { StopMenuCommand(measure_); });
    connect(ui_.menuRandomOne, &QAction::triggered, this,
            [this] { runRandomTool(RandomOneClick); });
    connect(ui_.menuRandomSome, &QAction::triggered, this,
            [this] { runRandomTool(RandomSomeClick); });
    connect(ui_.menuPrtScr, &QAction::triggered, this, [this] { PrintScreenCommand(measure_); });
}

void FormMain::connectHelpMenus() {
    connect(ui_.menuQuick, &QAction::triggered, this, [this] {
        openHelpDocument(QStringLiteral("Click : Show Quick Reference "),
                         QStringLiteral("とりあえず始めよう.mht"));
    });
    connect(ui_.menuHowToUse, &QAction::triggered, this, [this] {
        openHelpDocument(QStringLiteral("Click : Show How To Use "),
                         QStringLiteral("使用方法L.mht"));
    });
    connect(ui_.menuReadMe, &QAction::triggered, this, [this] {
        openHelpDocument(QStringLiteral("Click : Show Read Me "), QStringLiteral("ReadMeL.txt"));
    });
    connect(ui_.menuOperatingInfo, &QAction::triggered, this, &FormMain::showOperatingInfo);
    connect(ui_.menuVersion, &QAction::triggered, this, &FormMain::showVersion);
}

void FormMain::connectButtonsAndTimers() {
    connect(ui_.cmdTempStop, &QPushButton::clicked, this, [this] { TempStopCommand(measure_); });
    connect(ui_.cmdCapture, &QPushButton::clicked, this, [this] { TestCaptureCommand(measure_); });
    connect(ui_.cmdRecognize, &QPushButton::clicked, this,
            [this] { TestRecognizeCommand(measure_); });
    connect(ui_.timCaptureInterval, &QTimer::timeout, this, [this] { CaptureTimerTick(measure_); });
    connect(ui_.timDoHLInterval, &QTimer::timeout, this, [this] { WatchTimerTick(measure_); });
}

void FormMain::toggleGesture() {
    // The check mark shows the state before this click; the menu refreshes
    // it the next time it opens.
    const bool on = !ctx_.settings.GestureEnabled;
    ctx_.settings.GestureEnabled = on;
    setGesturesLoaded(on);
    ctx_.log.WriteDebugLog(QStringLiteral("Change MouseGesture ") +
                           (on ? QStringLiteral("ON") : QStringLiteral("OFF")) +
                           QStringLiteral("･･･ End "));
}

void FormMain::toggleDebugMode() {
    ctx_.run.DebugMode = !ctx_.run.DebugMode;
    DebugItemDisplay(ctx_.run.DebugMode);
    ctx_.log.WriteDebugLog(QStringLiteral("Change DebugMode ") +
                           (ctx_.run.DebugMode ? QStringLiteral("ON") : QStringLiteral("OFF")) +
                           QStringLiteral("･･･ End "));
}

void FormMain::openHelpDocument(const QString& logLine, const QString& fileName) {
    ctx_.log.WriteDebugLog(logLine);
    ExecuteFile(ctx_, ctx_.paths.helpDocument(fileName), kLaunchWaitMs, waitCursorHooks(*this));
}

void FormMain::showOperatingInfo() {
    const std::optional<QString> report =
        EnvironmentReportJa(EnvironmentSource::thisMachine(ctx_.platform.now()));
    if (report) {
        appendLog(CrLf + *report + CrLf);
    }
}

void FormMain::showVersion() {
    ctx_.log.WriteDebugLog(QStringLiteral("Click : VersionInformation "));
    FormVersion version(ctx_, waitCursorHooks(*this), this);
    version.exec();
}

double FormMain::askNumber(double min, double max, double ini, double increment, const QString& msg,
                           const QString& title) {
    return services_.input.InputCheckBox(min, max, ini, increment, msg, title);
}

void FormMain::runRandomTool(RandomToolClick click) {
    const QString text = click(ctx_, services_.random, [this](const NumericRequest& r) {
        return askNumber(r.min, r.max, r.ini, r.increment, r.message, r.title);
    });
    if (!text.isEmpty()) {
        appendLog(text);
    }
}

}  // namespace bm
