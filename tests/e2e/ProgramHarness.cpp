#include "ProgramHarness.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcessEnvironment>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>

#include "platform/x11/X11Platform.h"
#include "settings/FormInputCheck.h"
#include "settings/FormOption.h"
#include "settings/OptionContext.h"
#include "settings/OptionsHost.h"
#include "shell/FormMainUi.h"
#include "support/TestContext.h"

// Xlib last: its macros clash with Qt names.
#include "platform/x11/X11Handles.h"

namespace bm::test {

namespace {

bool copyFile(const QString& from, const QString& to) {
    return QFile::copy(from, to) &&
           QFile::setPermissions(to,
                                 QFile::permissions(from) | QFile::ReadOwner | QFile::WriteOwner);
}

// All zero (unmapped, no size) when the window is gone.
XWindowAttributes attributesOf(Display* display, WindowId window) {
    XWindowAttributes a{};
    if (window == 0 || XGetWindowAttributes(display, window, &a) == 0) {
        return {};
    }
    return a;
}

QSize clientSize(Display* display, WindowId window) {
    const XWindowAttributes a = attributesOf(display, window);
    return QSize(a.width, a.height);
}

// The main window as far as the options dialog reaches it; nothing happens.
class QuietHost : public OptionsHost {
public:
    void DebugItemDisplay(bool) override {}
    void setGesturesLoaded(bool) override {}
    void setGraphBuffer(bool) override {}
    QRect mainWindowRect() const override { return {}; }
    void setMainWindowWidth(int) override {}
    void applyRememberedWindowRect() override {}
    void setWatchTimer(int, bool) override {}
    void showMainWindow() override {}
};

// Lays the window out at the client size the program shows it with.
void layOut(QWidget& window, QSize client) {
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.resize(client);
    if (window.layout()) {
        window.layout()->activate();
    }
    QApplication::processEvents();
}

// The centre of a named control in the window; (-1, -1) when there is none.
QPoint centreOf(QWidget& window, const QString& name) {
    auto* control = window.findChild<QWidget*>(name);
    return control ? control->mapTo(&window, control->rect().center()) : QPoint(-1, -1);
}

}  // namespace

ProgramHarness::ProgramHarness()
    : root_(QDir::tempPath() + QStringLiteral("/bm-program-XXXXXX")),
      x_(std::make_unique<X11Platform>()) {
    QDir root(root_.path());
    ready_ = root_.isValid() && root.mkdir("program") && root.mkdir("tmp") &&
             root.mkdir("runtime") &&
             QFile::setPermissions(root_.filePath("runtime"),
                                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString program = QStringLiteral(BM_PROGRAM_PATH);
    ready_ = ready_ && copyFile(program, file(QFileInfo(program).fileName()));
    const QDir docs(QStringLiteral(BM_HELP_DOCS_DIR));
    for (const QString& name : docs.entryList(QDir::Files)) {
        ready_ = ready_ && copyFile(docs.filePath(name), file(name));
    }
    ready_ = ready_ && x_->isOpen();
}

ProgramHarness::~ProgramHarness() {
    kill();
}

Settings ProgramHarness::autoRunSettings(int windowTop) const {
    Settings s = standInSettings(programFolder());
    s.CaptureInterval = 1;
    s.AutoStart = true;
    s.StartDelay = 0;
    s.GraphShow = false;
    s.PayRecordCsv = false;
    s.PayRecordMonthly = false;
    s.ShotCheckEnabled = false;
    s.WindowLeft = 10;
    s.WindowTop = windowTop;
    return s;
}

bool ProgramHarness::launch(int timeoutMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("TMPDIR", root_.filePath("tmp"));
    env.insert("XDG_RUNTIME_DIR", root_.filePath("runtime"));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setWorkingDirectory(programFolder());
    process_.start(file(QFileInfo(QStringLiteral(BM_PROGRAM_PATH)).fileName()), {});
    return process_.waitForStarted(timeoutMs);
}

bool ProgramHarness::close(int timeoutMs) {
    const WindowId window = mainWindow();
    // As the window manager's close button asks for it.
    if (window == 0 || !sendClientMessage(window, "_NET_CLOSE_WINDOW", CurrentTime, 2)) {
        return false;
    }
    return process_.waitForFinished(timeoutMs);
}

bool ProgramHarness::waitForLog(const QString& message, int timeoutMs) {
    eventually([&] { return !alive() || logMessages().contains(message); }, timeoutMs);
    return logMessages().contains(message);
}

QByteArray ProgramHarness::recordAfterChange(const std::function<bool()>& changeFigures,
                                             int timeoutMs) {
    QString record;
    QByteArray header;
    const bool headed = eventually(
        [&] {
            const QStringList files = payRecordFiles();
            record = files.isEmpty() ? QString() : file(QStringLiteral("log/") + files[0]);
            header = TempFolder::readBytes(record);
            return header.endsWith("\r\n");
        },
        timeoutMs);
    if (!headed || !changeFigures() ||
        !eventually([&] { return TempFolder::readBytes(record).size() > header.size(); },
                    timeoutMs)) {
        return {};
    }
    QThread::msleep(200);  // a line is written in one call; let it finish
    return TempFolder::readBytes(record);
}

QStringList ProgramHarness::changedRecordLines(int fromSeconds, int toSeconds) {
    // A column of the text pay record: the value right-aligned, one blank after.
    const auto column = [](const QString& value, int width) {
        return QStringLiteral("  ") + value.rightJustified(width - 1) + QLatin1Char(' ');
    };
    QStringList lines;
    for (int seconds = fromSeconds; seconds <= toSeconds; ++seconds) {
        const QString minutes = QString::number((seconds / 6) / 10.0, 'f', 1);
        const QString expRate = QString::number(2.66 * 3600 / seconds, 'f', 2);
        const QString moneyRate = QString::number(5433 * 3.6 / seconds, 'f', 2);
        lines << column("57", 6) + column("15.00", 11) + column("1,240,000", 16) +
                     column("2.66", 11) + column("5,433", 17) + column(minutes, 9) +
                     column(expRate, 13) + column(moneyRate, 14) + "\r\n";
    }
    return lines;
}

WindowId ProgramHarness::mainWindow() {
    return x_->findWindowByTitle(programTitle());
}

WindowId ProgramHarness::shownWindow(const QString& title) {
    // A hidden window keeps its title; only a mapped one is on the screen.
    const WindowId id = x_->findWindowByTitle(title);
    return attributesOf(x_->display(), id).map_state == IsViewable ? id : 0;
}

QPoint ProgramHarness::menuBarItem(const QString& caption, bool runActive) {
    QMainWindow window;
    FormMainUi ui;
    ui.build(&window);
    if (runActive) {
        ui.menuRun->setText(QStringLiteral("ロギング"));
    }
    layOut(window, QSize(700, 480));
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == caption) {
            return window.menuBar()->actionGeometry(action).center() + window.menuBar()->pos();
        }
    }
    return {-1, -1};
}

QPoint ProgramHarness::optionsControl(WindowId options, const QString& name, int page) {
    TestContext<> c;
    c.settings = settings_;
    QuietHost host;
    FormOption dialog(c.ctx, host, OptionServices{});
    layOut(dialog, clientSize(x_->display(), options));
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabOption"));
    if (name.isEmpty()) {
        QTabBar* bar = tabs->tabBar();
        return bar->mapTo(&dialog, bar->tabRect(page).center());
    }
    tabs->setCurrentIndex(page);
    QApplication::processEvents();
    return centreOf(dialog, name);
}

QPoint ProgramHarness::inputControl(WindowId input, const QString& name, const QString& prompt) {
    ScriptedPrompt answers;
    FormInputCheck dialog(answers);
    if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblmsg"))) {
        label->setText(prompt);
    }
    layOut(dialog, clientSize(x_->display(), input));
    return centreOf(dialog, name);
}

bool ProgramHarness::activate(WindowId window, int timeoutMs) {
    // As a pager asks for it, which window managers always grant.
    if (window == 0 || !sendClientMessage(window, "_NET_ACTIVE_WINDOW", 2, CurrentTime)) {
        return false;
    }
    return eventually([&] { return x_->foregroundWindow() == window; }, timeoutMs);
}

bool ProgramHarness::xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool ProgramHarness::click(WindowId window, QPoint point) {
    return xdotool(QStringLiteral("mousemove --window %1 %2 %3 sleep 0.15 click 1")
                       .arg(window)
                       .arg(point.x())
                       .arg(point.y())
                       .split(u' '));
}

bool ProgramHarness::clickCloseBox(WindowId window) {
    // About ten pixels in from the frame's top right corner.
    const std::optional<WindowRect> outer = x_->windowRect(window);
    return outer && xdotool(QStringLiteral("mousemove %1 %2 sleep 0.15 click 1")
                                .arg(outer->right - 10)
                                .arg(outer->top + 10)
                                .split(u' '));
}

bool ProgramHarness::sendClientMessage(WindowId window, const char* type, long data0, long data1) {
    Display* display = x_->display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = data0;
    event.xclient.data.l[1] = data1;
    const Status sent = XSendEvent(display, DefaultRootWindow(display), False,
                                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
    return sent != 0;
}

}  // namespace bm::test
