#include "ProgramHarness.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include "Polling.h"
#include "StandInSettings.h"
#include "platform/x11/X11Platform.h"
#include "settings/SettingsDefaults.h"

// Xlib last: its macros clash with Qt names.
#include "platform/x11/X11Handles.h"

namespace bm::test {

namespace {

const QString StartupComplete = QStringLiteral("Program StartUp Complete ");

bool copyFile(const QString& from, const QString& to) {
    return QFile::copy(from, to) &&
           QFile::setPermissions(to,
                                 QFile::permissions(from) | QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace

ProgramHarness::ProgramHarness()
    : root_(QDir::tempPath() + QStringLiteral("/bm-program-XXXXXX")),
      x_(std::make_unique<X11Platform>()) {
    QDir root(root_.path());
    ready_ = root_.isValid() && root.mkdir(QStringLiteral("program")) &&
             root.mkdir(QStringLiteral("tmp")) && root.mkdir(QStringLiteral("runtime")) &&
             QFile::setPermissions(root_.filePath(QStringLiteral("runtime")),
                                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!ready_) {
        return;
    }
    const QString program = QStringLiteral(BM_PROGRAM_PATH);
    ready_ = copyFile(program, file(QFileInfo(program).fileName()));
    const QDir docs(QStringLiteral(BM_HELP_DOCS_DIR));
    for (const QString& name : docs.entryList(QDir::Files)) {
        ready_ = ready_ && copyFile(docs.filePath(name), file(name));
    }
    ready_ = ready_ && x_->isOpen();
}

ProgramHarness::~ProgramHarness() {
    if (running()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString ProgramHarness::programFolder() const {
    return root_.filePath(QStringLiteral("program"));
}

QString ProgramHarness::file(const QString& relative) const {
    return programFolder() + QLatin1Char('/') + relative;
}

QString ProgramHarness::programTitle() {
    return makeProgramTitle(DefaultVersionText);
}

Settings ProgramHarness::standInSettings() const {
    return bm::standInSettings(programFolder());
}

Settings ProgramHarness::autoRunSettings(int windowTop) const {
    Settings s = standInSettings();
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

bool ProgramHarness::writeSettings(const Settings& settings) {
    return writeSettingsFile(programFolder(), settings);
}

bool ProgramHarness::start(int timeoutMs) {
    return launch(timeoutMs) && waitForLog(StartupComplete, timeoutMs);
}

bool ProgramHarness::launch(int timeoutMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(extraEnvironment_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("TMPDIR"), root_.filePath(QStringLiteral("tmp")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root_.filePath(QStringLiteral("runtime")));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setWorkingDirectory(programFolder());
    process_.start(file(QFileInfo(QStringLiteral(BM_PROGRAM_PATH)).fileName()), {});
    return process_.waitForStarted(timeoutMs);
}

void ProgramHarness::kill() {
    process_.kill();
    process_.waitForFinished(10000);
}

void ProgramHarness::setEnvironment(const QString& name, const QString& value) {
    extraEnvironment_.insert(name, value);
}

bool ProgramHarness::close(int timeoutMs) {
    const WindowId window = mainWindow();
    if (window == 0 || !sendClientMessage(window, "WM_PROTOCOLS", 0, 0)) {
        return false;
    }
    return process_.waitForFinished(timeoutMs);
}

bool ProgramHarness::alive() {
    return running() && !process_.waitForFinished(0);
}

bool ProgramHarness::waitForExit(int timeoutMs) {
    return process_.waitForFinished(timeoutMs);
}

int ProgramHarness::exitCode() const {
    return !running() && process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

QString ProgramHarness::output() {
    return QString::fromLocal8Bit(process_.readAll());
}

bool ProgramHarness::waitForLog(const QString& message, int timeoutMs) {
    // A program that has ended writes nothing more.
    eventually([&] { return !running() || logMessages().contains(message); }, timeoutMs);
    return logMessages().contains(message);
}

QStringList ProgramHarness::payRecordFiles() const {
    return QDir(file(QStringLiteral("log"))).entryList(QDir::Files, QDir::Name);
}

WindowId ProgramHarness::mainWindow() {
    return x_->findWindowByTitle(programTitle());
}

bool ProgramHarness::activate(const QString& title, int timeoutMs) {
    const WindowId window = x_->findWindowByTitle(title);
    if (window == 0) {
        return false;
    }
    Display* display = x_->display();
    if (qEnvironmentVariable("BM_TEST_WM") == QLatin1String("none")) {
        XRaiseWindow(display, window);
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
        XFlush(display);
    } else {
        // As a pager asks for it, which window managers always grant.
        sendClientMessage(window, "_NET_ACTIVE_WINDOW", 2, CurrentTime);
    }
    return eventually([&] { return x_->foregroundWindow() == window; }, timeoutMs);
}

bool ProgramHarness::sendClientMessage(WindowId window, const char* type, long data0, long data1) {
    Display* display = x_->display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    Window target = DefaultRootWindow(display);
    long mask = SubstructureRedirectMask | SubstructureNotifyMask;
    if (QByteArray(type) == "WM_PROTOCOLS") {
        // The close request goes to the window itself.
        data0 = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        data1 = CurrentTime;
        target = window;
        mask = NoEventMask;
    }
    event.xclient.data.l[0] = data0;
    event.xclient.data.l[1] = data1;
    const Status sent = XSendEvent(display, target, False, mask, &event);
    XFlush(display);
    return sent != 0;
}

}  // namespace bm::test
