#include "UserInput.h"

#include <QProcess>

#include "Polling.h"
#include "ProgramHarness.h"
#include "platform/x11/X11Platform.h"

// Xlib last: its macros clash with Qt names.
#include "platform/x11/X11Handles.h"

namespace bm::test {

namespace {

bool xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The output of one xdotool command, empty when it failed.
QString xdotoolOutput(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

bool UserInput::keys(const QStringList& keys) {
    // A pause between keys as a user's, so that a menu opened by one key is
    // shown before the next one arrives.
    return xdotool(
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150")} +
        keys);
}

bool UserInput::type(const QString& text) {
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
}

bool UserInput::click(WindowId window, QPoint point) {
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"),
                    QString::number(window), QString::number(point.x()), QString::number(point.y()),
                    QStringLiteral("sleep"), QStringLiteral("0.15"), QStringLiteral("click"),
                    QStringLiteral("1")});
}

bool UserInput::clickCloseBox(WindowId window) {
    // The frame's outer rectangle; openbox draws the close button at the
    // right end of its title bar, about ten pixels in from the corner.
    const std::optional<WindowRect> outer = x11_.windowRect(window);
    if (!outer) {
        return false;
    }
    return xdotool({QStringLiteral("mousemove"), QString::number(outer->right - 10),
                    QString::number(outer->top + 10), QStringLiteral("sleep"),
                    QStringLiteral("0.15"), QStringLiteral("click"), QStringLiteral("1")});
}

WindowId UserInput::shownWindow(const QString& title) {
    // A hidden window keeps its title; only a mapped one is on the screen.
    const WindowId id = x11_.findWindowByTitle(title);
    XWindowAttributes attributes{};
    if (id == 0 || XGetWindowAttributes(x11_.display(), id, &attributes) == 0) {
        return 0;
    }
    return attributes.map_state == IsViewable ? id : 0;
}

WindowId UserInput::waitForWindow(const QString& title, int timeoutMs) {
    WindowId id = 0;
    eventually([&] { return (id = shownWindow(title)) != 0; }, timeoutMs);
    return id;
}

bool UserInput::waitForNoWindow(const QString& title, int timeoutMs) {
    return eventually([&] { return shownWindow(title) == 0; }, timeoutMs);
}

bool UserInput::focus(WindowId window, int timeoutMs) {
    if (x11_.foregroundWindow() == window) {
        return true;
    }
    xdotool({QStringLiteral("windowactivate"), QString::number(window)});
    return eventually([&] { return x11_.foregroundWindow() == window; }, timeoutMs);
}

QSize UserInput::clientSize(WindowId window) {
    // "WIDTH=..", "HEIGHT=.." of the client window itself.
    const QString shell = xdotoolOutput(
        {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
    int width = 0;
    int height = 0;
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("WIDTH="))) {
            width = line.mid(6).toInt();
        } else if (line.startsWith(QLatin1String("HEIGHT="))) {
            height = line.mid(7).toInt();
        }
    }
    return QSize(width, height);
}

}  // namespace bm::test
