#include "shell/FormMain.h"

#include <QApplication>
#include <QCloseEvent>

#include "app/AppContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "gesture/FormDirectX.h"
#include "graph/GraphFrame.h"
#include "graph/clsGraphBuffer.h"
#include "measure/CaptureCycle.h"
#include "measure/DisplayResult.h"
#include "measure/LoggingRun.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "shell/EnvironmentReport.h"
#include "shell/FormMainGeometry.h"
#include "shell/MainWindowStart.h"
#include "util/PopupMessage.h"
#include "util/RandomTools.h"

namespace bm {

namespace geo = mainwindow;

FormMain::FormMain(AppContext& ctx, Services services, QWidget* parent)
    : QMainWindow(parent),
      ctx_(ctx),
      services_(std::move(services)),
      measure_{ctx, *this, this, [this] { SeedRandom(services_.random, ctx_.platform); }} {
    setObjectName(QStringLiteral("FormMain"));
    ui_.build(this);

    // The graph frame with its plot, grid and axis labels (the labels' tool
    // tips are set by the frame itself).
    graph_ = new GraphFrame(
        ctx_,
        [this] {
            return GraphFrame::MenuStates{ui_.menuRun->isEnabled(), ui_.menuStop->isEnabled()};
        },
        ui_.frmGraph);
    graph_->setObjectName(QStringLiteral("graphFrame"));

    ui_.Frame1->setGeometry(6, 4, 380, 92);
    ui_.cmdTempStop->setGeometry(392, 68, 90, 28);
    ui_.lines[0]->setGeometry(6, 100, 476, 1);
    ui_.lines[1]->setGeometry(6, 101, 476, 1);
    ui_.lblLog_t->setGeometry(geo::LogLeft, 103, 476, 16);
    ui_.txtLog->setGeometry(geo::LogLeft, geo::LogTop, geo::LogWidth, 200);
    ui_.frmDebug->setGeometry(geo::LogLeft, 200, 472, ui_.frmDebug->height());
    ui_.lines[2]->setGeometry(geo::GraphLeft - 3, 4, 1, 200);
    ui_.lines[3]->setGeometry(geo::GraphLeft - 2, 4, 1, 200);
    centralWidget()->installEventFilter(this);
    resize(geo::WidthWithoutGraph, 480);

    connectMenus();
}

FormMain::~FormMain() = default;

void FormMain::Load() {
    setWindowTitle(ctx_.settings.ProgramTitle);
    ui_.menuRun->setEnabled(false);
    ui_.menuStop->setEnabled(false);
    ui_.txtLog->clear();
    DisplayResult(measure_, DisplayMode::Clear);
    if (!ctx_.run.DebugMode) {
        for (QLabel* pic : ui_.picCapture) {
            pic->hide();
        }
    }
    applyRememberedWindowRect();
    PlaceMainWindowOnStart(*this, ctx_);
    show();
    // Showing the window lays it out by the resize rules, before the
    // gestures, timers and graph buffer are set up.
    loaded_ = true;
    FormResize();
    if (ctx_.settings.GestureEnabled) {
        setGesturesLoaded(true);
    }
    ui_.timCaptureInterval->setInterval(WindowTimerMs);
    ui_.timCaptureInterval->stop();
    setWatchTimer(ctx_.settings.ShotCheckInterval, ctx_.settings.ShotCheckEnabled);
    if (ctx_.settings.GraphShow) {
        setGraphBuffer(true);
    }
    ctx_.run.GraphOffset = 0;
    ctx_.run.GraphScale = 1.0f;
    setRunMenu(true, QStringLiteral("開始"), false);
    if (ctx_.settings.AutoStart) {
        ChangeLogging(measure_, LoggingMode::Start);
        ctx_.log.WriteDebugLog(QStringLiteral("Log AutoStart ･･･ "));
    }
    ctx_.log.WriteDebugLog(QStringLiteral("Program StartUp Complete "));
}

void FormMain::CaptureImage() {
    bm::CaptureImage(measure_);
}

void FormMain::ChangeSuspend(std::int32_t waitSec) {
    bm::ChangeSuspend(measure_, waitSec);
}

void FormMain::GraphFrameDisplay() {
    if (ctx_.settings.GraphShow) {
        graph_->GraphFrameDisplay();
    }
}

void FormMain::GraphDataDisplay(std::int32_t offset, float scale) {
    graph_->GraphDataDisplay(offset, scale);
}

void FormMain::setGraphBuffer(bool on) {
    if (on && !graphData_) {
        graphData_ = std::make_unique<clsGraphBuffer>();
    } else if (!on) {
        graphData_.reset();
    }
    graph_->setGraphData(graphData_.get());
}

void FormMain::setGesturesLoaded(bool on) {
    if (on && !gestures_) {
        gestures_ = std::make_unique<FormDirectX>(measure_);
        gestures_->Load();
    } else if (!on && gestures_) {
        gestures_->Unload();
        gestures_.reset();
    }
}

// --- closing ------------------------------------------------------------

void FormMain::closeProgram() {
    close();
}

void FormMain::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        runClosingSequence();
        unloadProgram();
    }
    event->accept();
}

void FormMain::runClosingSequence() {
    ctx_.log.WriteDebugLog(QStringLiteral("Closing Program ･･･ "));
    ctx_.run.Closing = true;
    ui_.timCaptureInterval->stop();
    ui_.timDoHLInterval->stop();
    DisplayResult(measure_, DisplayMode::Summary);
    setGraphBuffer(false);
    setGesturesLoaded(false);
    popup_.reset();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible()) {
            w->close();
        }
    }
}

void FormMain::unloadProgram() {
    ctx_.log.WriteDebugLog(QStringLiteral("End of the Program "));
    OperatingInformation(ctx_);
    WaitMilliseconds(ctx_.platform, 500);
    QApplication::quit();
}

}  // namespace bm
