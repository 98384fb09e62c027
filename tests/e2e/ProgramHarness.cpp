#include "ProgramHarness.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include "Polling.h"
#include "StandInSettings.h"
#include "platform/x11/X11Platform.h"
#include "settings/SettingsDefaults.h"

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

QString ProgramHarness::programTitle() {
    return makeProgramTitle(DefaultVersionText);
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

bool ProgramHarness::writeSettings(const Settings& settings) {
    return writeSettingsFile(programFolder(), settings);
}

bool ProgramHarness::start(int timeoutMs) {
    return launch(timeoutMs) && waitForLog(QStringLiteral("Program StartUp Complete "), timeoutMs);
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

void ProgramHarness::kill() {
    process_.kill();
    process_.waitForFinished(10000);
}

bool ProgramHarness::close(int timeoutMs) {
    const WindowId window = mainWindow();
    // As the window manager's close button asks for it.
    if (window == 0 || !sendClientMessage(window, "_NET_CLOSE_WINDOW", CurrentTime, 2)) {
        return false;
    }
    return process_.waitForFinished(timeoutMs);
}

int ProgramHarness::exitCode() const {
    return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit
               ? process_.exitCode()
               : -1;
}

bool ProgramHarness::waitForLog(const QString& message, int timeoutMs) {
    eventually([&] { return !alive() || logMessages().contains(message); }, timeoutMs);
    return logMessages().contains(message);
}

QStringList ProgramHarness::payRecordFiles() const {
    return QDir(file(QStringLiteral("log"))).entryList(QDir::Files, QDir::Name);
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

WindowId ProgramHarness::waitForWindow(const QString& title, int timeoutMs) {
    WindowId id = 0;
    eventually([&] { return (id = shownWindow(title)) != 0; }, timeoutMs);
    return id;
}

bool ProgramHarness::waitForNoWindow(const QString& title, int timeoutMs) {
    return eventually([&] { return shownWindow(title) == 0; }, timeoutMs);
}

QSize ProgramHarness::clientSize(WindowId window) {
    const XWindowAttributes a = attributesOf(x_->display(), window);
    return QSize(a.width, a.height);
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

bool ProgramHarness::keys(const QStringList& keys) {
    // A user's pause between keys: a menu opened by one is shown before the next.
    return xdotool(QStringLiteral("key --delay 150").split(u' ') + keys);
}

bool ProgramHarness::type(const QString& text) {
    return xdotool({"type", "--delay", "60", text});
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
