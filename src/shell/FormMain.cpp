#include "shell/FormMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "capture/ScreenshotCommands.h"
#include "capture/WaitClock.h"
#include "gesture/FormDirectX.h"
#include "graph/GraphFrame.h"
#include "graph/OleDate.h"
#include "graph/clsGraphBuffer.h"
#include "measure/CaptureCycle.h"
#include "measure/DisplayResult.h"
#include "measure/LevelUpWatch.h"
#include "measure/LoggingRun.h"
#include "measure/MeasureCommands.h"
#include "measure/RunState.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "records/LogText.h"
#include "settings/FormInputCheck.h"
#include "settings/Settings.h"
#include "shell/EnvironmentReport.h"
#include "shell/EnvironmentSource.h"
#include "shell/FormMainGeometry.h"
#include "shell/MainWindowStart.h"
#include "util/AppContext.h"
#include "util/FormVersion.h"
#include "util/Launcher.h"
#include "util/PopupMessage.h"
#include "util/ProgramPaths.h"
#include "util/RandomTools.h"

namespace bm {

namespace geo = mainwindow;

namespace {

constexpr int LogMaxLines = 512;
constexpr int WindowTimerMs = 10000;
const QString CrLf = QStringLiteral("\r\n");

}  // namespace

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

void FormMain::connectMenus() {
    connect(ui_.menuPatternSave, &QAction::triggered, this,
            [this] { PatternSaveCommand(measure_); });
    connect(ui_.menuEnd, &QAction::triggered, this, [this] {
        ctx_.log.WriteDebugLog(QStringLiteral("Click : END "), 0);
        closeProgram();
    });
    connect(ui_.menuConfig, &QMenu::aboutToShow, this, [this] {
        ui_.menuGesture->setChecked(ctx_.settings.GestureEnabled);
        ui_.menuDebugMode->setChecked(ctx_.run.DebugMode);
    });
    connect(ui_.menuOption, &QAction::triggered, this, [this] {
        ctx_.log.WriteDebugLog(QStringLiteral("Click : Option "), 0);
        if (services_.showOptions) {
            services_.showOptions();
        }
    });
    connect(ui_.menuGesture, &QAction::triggered, this, &FormMain::toggleGesture);
    connect(ui_.menuDebugMode, &QAction::triggered, this, &FormMain::toggleDebugMode);
    connect(ui_.menuRun, &QAction::triggered, this, [this] { RunMenuCommand(measure_); });
    connect(ui_.menuStop, &QAction::triggered, this, [this] { StopMenuCommand(measure_); });
    connect(ui_.menuRandomOne, &QAction::triggered, this, [this] {
        const QString text =
            RandomOneClick(ctx_, services_.random, [this](const NumericRequest& r) {
                return askNumber(r.min, r.max, r.ini, r.increment, r.message, r.title);
            });
        if (!text.isEmpty()) {
            appendLog(text);
        }
    });
    connect(ui_.menuRandomSome, &QAction::triggered, this, [this] {
        const QString text =
            RandomSomeClick(ctx_, services_.random, [this](const NumericRequest& r) {
                return askNumber(r.min, r.max, r.ini, r.increment, r.message, r.title);
            });
        if (!text.isEmpty()) {
            appendLog(text);
        }
    });
    connect(ui_.menuPrtScr, &QAction::triggered, this, [this] { PrintScreenCommand(measure_); });
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

    connect(ui_.cmdTempStop, &QPushButton::clicked, this, [this] { TempStopCommand(measure_); });
    connect(ui_.cmdCapture, &QPushButton::clicked, this, [this] { TestCaptureCommand(measure_); });
    connect(ui_.cmdRecognize, &QPushButton::clicked, this,
            [this] { TestRecognizeCommand(measure_); });
    connect(ui_.timCaptureInterval, &QTimer::timeout, this, [this] { CaptureTimerTick(measure_); });
    connect(ui_.timDoHLInterval, &QTimer::timeout, this, [this] { WatchTimerTick(measure_); });
}

void FormMain::Load() {
    ErrorTrap trap;
    setWindowTitle(ctx_.settings.ProgramTitle);
    ui_.menuRun->setEnabled(false);
    ui_.menuStop->setEnabled(false);
    ui_.txtLog->clear();
    DisplayResult(measure_, display::Clear);
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
        ChangeLogging(measure_, logging::Start);
        ctx_.log.WriteDebugLog(QStringLiteral("Log AutoStart ･･･ "), 0);
    }
    ctx_.log.WriteDebugLog(QStringLiteral("Program StartUp Complete "), 0);
    trap.report(ctx_.log, QStringLiteral("FormMain_Load"));
}

void FormMain::applyRememberedWindowRect() {
    const Settings& s = ctx_.settings;
    if (s.WindowWidth != 0) {
        move(s.WindowLeft, s.WindowTop);
        // Never larger than the screen's free area: a damaged size would
        // otherwise cost memory for a window nobody can see whole.
        QSize size(s.WindowWidth, s.WindowHeight);
        if (const QScreen* where = screen(); where != nullptr) {
            size = size.boundedTo(where->availableGeometry().size());
        }
        resize(size);
        return;
    }
    QPoint pos = this->pos();
    if (s.WindowLeft != 0) {
        pos.setX(s.WindowLeft);
    }
    if (s.WindowTop != 0) {
        pos.setY(s.WindowTop);
    }
    move(pos);
}

QRect FormMain::mainWindowRect() const {
    return QRect(x(), y(), width(), height());
}

void FormMain::setMainWindowWidth(int width) {
    resize(width, height());
}

void FormMain::showMainWindow() {
    bringToFront();
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
        gestures_ = std::make_unique<FormDirectX>(ctx_, *this);
        gestures_->Load();
    } else if (!on && gestures_) {
        gestures_->Unload();
        gestures_.reset();
    }
}

void FormMain::toggleGesture() {
    // The check mark shows the state before this click; the menu refreshes
    // it the next time it opens.
    const bool on = !ctx_.settings.GestureEnabled;
    ctx_.settings.GestureEnabled = on;
    setGesturesLoaded(on);
    ctx_.log.WriteDebugLog(QStringLiteral("Change MouseGesture ") +
                               (on ? QStringLiteral("ON") : QStringLiteral("OFF")) +
                               QStringLiteral("･･･ End "),
                           0);
}

void FormMain::toggleDebugMode() {
    ctx_.run.DebugMode = !ctx_.run.DebugMode;
    DebugItemDisplay(ctx_.run.DebugMode);
    ctx_.log.WriteDebugLog(QStringLiteral("Change DebugMode ") +
                               (ctx_.run.DebugMode ? QStringLiteral("ON") : QStringLiteral("OFF")) +
                               QStringLiteral("･･･ End "),
                           0);
}

void FormMain::openHelpDocument(const QString& logLine, const QString& fileName) {
    ctx_.log.WriteDebugLog(logLine, 0);
    ExecuteFile(ctx_, ctx_.paths.helpDocument(fileName), kLaunchWaitMs,
                LaunchHooks{{}, [this](bool busy) { setWaitCursor(busy); }});
}

void FormMain::showOperatingInfo() {
    const std::optional<QString> report =
        EnvironmentReportJa(EnvironmentSource::thisMachine(ctx_.platform.now()));
    if (report) {
        appendLog(CrLf + *report + CrLf);
    }
}

void FormMain::showVersion() {
    ctx_.log.WriteDebugLog(QStringLiteral("Click : VersionInformation "), 0);
    FormVersion version(ctx_, LaunchHooks{{}, [this](bool busy) { setWaitCursor(busy); }}, this);
    version.exec();
}

double FormMain::askNumber(double min, double max, double ini, double increment, const QString& msg,
                           const QString& title) {
    return services_.input.InputCheckBox(min, max, ini, increment, msg, title);
}

// --- layout -------------------------------------------------------------

void FormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (loaded_) {
        FormResize();
    }
}

void FormMain::FormResize() {
    if (isMinimized()) {
        return;
    }
    ErrorTrap trap;
    int h = centralWidget()->height();
    int w = width();
    if (h < geo::MinClientHeight) {
        h = geo::MinClientHeight;
        resize(width(), h + menuBar()->height());
    }
    if (ctx_.settings.GraphShow) {
        if (w < geo::MinWidthWithGraph) {
            w = geo::MinWidthWithGraph;
            resize(w, height());
        }
        ui_.frmGraph->setGeometry(geo::GraphLeft, geo::GraphTop, w - geo::GraphReservedWidth,
                                  h - 6);
        graph_->setGeometry(ui_.frmGraph->rect());
        ui_.frmGraph->show();
        GraphFrameDisplay();
    } else {
        if (w != geo::WidthWithoutGraph) {
            resize(geo::WidthWithoutGraph, height());
        }
        ui_.frmGraph->hide();
    }
    // Etched separators: the dark line first, the light one under it.
    const QPalette pal = palette();
    for (int i = 0; i < 4; ++i) {
        QPalette lp = ui_.lines[i]->palette();
        lp.setColor(QPalette::Window, pal.color(i % 2 == 0 ? QPalette::Dark : QPalette::Light));
        ui_.lines[i]->setPalette(lp);
    }
    ui_.lines[2]->setGeometry(geo::GraphLeft - 3, 4, 1, h - 8);
    ui_.lines[3]->setGeometry(geo::GraphLeft - 2, 4, 1, h - 8);
    ui_.lines[2]->setVisible(ctx_.settings.GraphShow);
    ui_.lines[3]->setVisible(ctx_.settings.GraphShow);
    ui_.txtLog->resize(geo::LogWidth, ui_.txtLog->height());
    if (ctx_.settings.RememberWindowPos) {
        ctx_.settings.WindowLeft = x();
        ctx_.settings.WindowTop = y();
        ctx_.settings.WindowWidth = width();
        ctx_.settings.WindowHeight = height();
    }
    trap.report(ctx_.log, QStringLiteral("Form_Resize"));
    DebugItemDisplay(ctx_.run.DebugMode);
    ctx_.log.WriteDebugLog(QStringLiteral("Resaizing Form ･･･ End "), 0);
}

void FormMain::DebugItemDisplay(bool show) {
    const int H = centralWidget()->height();
    const int D = ui_.frmDebug->height();
    QRect log = ui_.txtLog->geometry();
    if (show) {
        ui_.frmDebug->show();
        for (QLabel* pic : ui_.picCapture) {
            pic->show();
        }
        ui_.frmDebug->move(ui_.frmDebug->x(), H - D - 8);
        log.setHeight(std::max(H - D - log.top() - 16, 0));
    } else {
        ui_.frmDebug->hide();
        for (QLabel* pic : ui_.picCapture) {
            pic->hide();
        }
        log.setHeight(std::max(H - log.top() - 8, 0));
    }
    ui_.txtLog->setGeometry(log);
    ui_.frmDebug->update();
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget()) {
        if (event->type() == QEvent::Paint) {
            // An etched edge under the menu bar.
            QPainter p(centralWidget());
            const int w = centralWidget()->width();
            p.setPen(palette().color(QPalette::Dark));
            p.drawLine(0, 0, w, 0);
            p.setPen(palette().color(QPalette::Light));
            p.drawLine(0, 1, w, 1);
        } else if (event->type() == QEvent::MouseButtonPress) {
            ctx_.log.WriteDebugLog(QStringLiteral("Click : Window Refresh "), 0);
            ui_.Frame1->update();
            ui_.frmGraph->update();
            update();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && loaded_ &&
        !ctx_.run.Closing) {
        if (ctx_.run.PopupShown) {
            hidePopupMessage();
        }
        if (ctx_.settings.GraphShow) {
            GraphFrameDisplay();
        }
        SeedRandom(services_.random, ctx_.platform);
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
    ctx_.log.WriteDebugLog(QStringLiteral("Closing Program ･･･ "), 0);
    ctx_.run.Closing = true;
    ui_.timCaptureInterval->stop();
    ui_.timDoHLInterval->stop();
    DisplayResult(measure_, display::Summary);
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
    ctx_.log.WriteDebugLog(QStringLiteral("End of the Program "), 0);
    OperatingInformation(ctx_);
    WaitMilliseconds(ctx_.platform, 500);
    QApplication::quit();
}

// --- MainView -----------------------------------------------------------

void FormMain::setRecognitionLabel(int cat, const QString& text) {
    if (cat >= 0 && cat < 3) {
        ui_.lblCapture[cat]->setText(text);
    }
}

void FormMain::appendLog(const QString& text) {
    QPlainTextEdit* box = ui_.txtLog;
    // The box shows line feeds; its text is kept with CR LF like the lines
    // the logic writes, so the 512-line limit counts the same breaks.
    QString current = box->toPlainText();
    current.replace(QLatin1Char('\n'), CrLf);
    const LogTextUpdate update = AppendLogText(current, text, LogMaxLines, true);
    QString shown = update.text;
    shown.replace(CrLf, QStringLiteral("\n"));
    box->setPlainText(shown);
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    box->repaint();
}

void FormMain::showResultPanel(const ResultPanel& panel) {
    ui_.lblStartTime->setText(panel.lblStartTime);
    ui_.lblStartLv->setText(panel.lblStartLv);
    ui_.lblStartExp->setText(panel.lblStartExp);
    ui_.lblStartMoney->setText(panel.lblStartMoney);
    ui_.lblEndTime->setText(panel.lblEndTime);
    ui_.lblEndLv->setText(panel.lblEndLv);
    ui_.lblEndExp->setText(panel.lblEndExp);
    ui_.lblEndMoney->setText(panel.lblEndMoney);
    ui_.lblElapseTime->setText(panel.lblElapseTime);
    ui_.lblElapseLv->setText(panel.lblElapseLv);
    ui_.lblElapseExp->setText(panel.lblElapseExp);
    ui_.lblElapseMoney->setText(panel.lblElapseMoney);
}

void FormMain::refreshFrame1() {
    ui_.Frame1->repaint();
}

void FormMain::showPopupMessage(const QString& message, const QString& title, int fontSize) {
    if (!popup_) {
        popup_ = std::make_unique<PopupMessage>(ctx_);
    }
    popup_->ShowPopupMessage(message, title, fontSize);
}

void FormMain::hidePopupMessage() {
    if (popup_) {
        popup_->HidePopupMessage();
    } else {
        ctx_.run.PopupShown = false;
    }
}

void FormMain::resetPopupSize() {
    if (popup_) {
        popup_->resetSize();
    }
}

bool FormMain::inputDialogOpen() const {
    return services_.input.isOpen();
}

void FormMain::setCapturePreview(int index, const QImage& picture) {
    if (index < 0 || index >= 5) {
        return;
    }
    QLabel* pic = ui_.picCapture[index];
    if (picture.isNull()) {
        pic->clear();
        pic->setProperty("picture", QImage());
    } else {
        pic->setPixmap(QPixmap::fromImage(picture));
        pic->setProperty("picture", picture);
    }
}

QImage FormMain::capturePreview(int index) const {
    if (index < 0 || index >= 5) {
        return {};
    }
    return ui_.picCapture[index]->property("picture").value<QImage>();
}

void FormMain::setCaptureTimerEnabled(bool enabled) {
    if (enabled) {
        ui_.timCaptureInterval->start(WindowTimerMs);
    } else {
        ui_.timCaptureInterval->stop();
    }
}

bool FormMain::captureTimerEnabled() const {
    return ui_.timCaptureInterval->isActive();
}

void FormMain::setWatchTimer(int intervalMs, bool enabled) {
    ui_.timDoHLInterval->setInterval(std::max(intervalMs, 1));
    if (enabled) {
        ui_.timDoHLInterval->start();
    } else {
        ui_.timDoHLInterval->stop();
    }
}

void FormMain::setRunMenu(bool runEnabled, const QString& runCaption, bool stopEnabled) {
    ui_.menuRun->setEnabled(runEnabled);
    ui_.menuRun->setText(runCaption);
    ui_.menuStop->setEnabled(stopEnabled);
}

void FormMain::setSuspendButtonRed(bool red) {
    QPalette pal = ui_.cmdTempStop->palette();
    pal.setColor(QPalette::Button, red ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    ui_.cmdTempStop->setPalette(pal);
    ui_.cmdTempStop->setProperty("suspended", red);
    ui_.cmdTempStop->update();
}

void FormMain::setTestButtonsEnabled(bool enabled) {
    ui_.cmdCapture->setEnabled(enabled);
    ui_.cmdRecognize->setEnabled(enabled);
}

void FormMain::setElapseLabel(const QString& text) {
    ui_.lblElapse->setText(text);
}

void FormMain::bringToFront() {
    show();
    raise();
    activateWindow();
}

void FormMain::setWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void FormMain::graphDataDisplay(int offset, float scale) {
    GraphDataDisplay(offset, scale);
}

void FormMain::AddGraphData(Currency rateE, Currency rateM, int aveCount, int maxCount,
                            double time) {
    if (graphData_) {
        graphData_->AddGraphData(rateE, rateM, aveCount, maxCount, time,
                                 toOleDate(ctx_.platform.now()));
    }
}

}  // namespace bm
