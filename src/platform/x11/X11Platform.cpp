#include "platform/x11/X11Platform.h"

#include "platform/x11/XInputMouseButtons.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <ctime>
#include <thread>

#include "platform/ForegroundRule.h"

// Xlib last: its macros clash with Qt names.
#include "platform/HeldArea.h"
#include "platform/x11/X11ErrorTrap.h"
#include "platform/x11/X11ScreenReader.h"
#include "platform/x11/X11WindowFraming.h"
#include "platform/x11/X11WindowTree.h"

namespace bm {

namespace {

struct Point64 {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

}  // namespace

struct X11Platform::Impl : WindowTreeQueries {
    x11::DisplayPtr display;
    Window root = 0;
    x11::X11Atoms atoms;
    std::unique_ptr<x11::X11WindowTree> tree;
    std::unique_ptr<x11::X11ScreenReader> screen;
    HeldArea held;
    // Whether an EWMH window manager runs, asked again after WmRecheckMs, so
    // that the foreground check costs one property read per call.
    static constexpr std::uint32_t WmRecheckMs = 10000;
    bool wmKnown = false;
    bool wmRunning = false;
    std::uint32_t wmCheckedAt = 0;
    std::uint32_t tick = 0;  // the clock at the current foreground check
    ForegroundRule foreground;

    std::optional<WindowId> activeWindow() override {
        if (!wmKnown || tick - wmCheckedAt >= WmRecheckMs) {
            wmRunning = tree->windowManagerRunning();
            wmKnown = true;
            wmCheckedAt = tick;
        }
        if (!wmRunning) {
            return std::nullopt;
        }
        const auto active = tree->netActiveWindow();
        if (!active) {
            wmKnown = false;  // the window manager has gone: ask again next time
        }
        return active;
    }
    bool exists(WindowId window) override { return tree->exists(window); }
    std::optional<std::vector<WindowId>> ancestors(WindowId window) override {
        auto up = tree->ancestors(window);
        if (!up) {
            return std::nullopt;
        }
        return std::vector<WindowId>(up->begin(), up->end());
    }
    bool unmanaged(WindowId window) override { return tree->overrideRedirect(window); }
    Focus inputFocus() override {
        Window focus = 0;
        int revertTo = 0;
        x11::X11ErrorTrap trap(display.get(), x11::X11ErrorTrap::Mode::RepliesOnly);
        XGetInputFocus(display.get(), &focus, &revertTo);
        if (trap.caught() || focus == None) {
            return {};
        }
        if (focus == PointerRoot || focus == root) {
            return {Focus::Kind::FollowsPointer, 0};
        }
        return {Focus::Kind::Window, focus};
    }
    WindowId topLevelUnderPointer() override { return tree->topLevelUnderPointer(); }

    struct Geometry {
        int x = 0;
        int y = 0;
        unsigned int width = 0;
        unsigned int height = 0;
        unsigned int border = 0;
    };

    std::optional<Geometry> geometry(Window window) const {
        Window rootReturn = 0;
        Geometry g;
        unsigned int depth = 0;
        x11::X11ErrorTrap trap(display.get(), x11::X11ErrorTrap::Mode::RepliesOnly);
        if (XGetGeometry(display.get(), window, &rootReturn, &g.x, &g.y, &g.width, &g.height,
                         &g.border, &depth) == 0 ||
            trap.caught()) {
            return std::nullopt;
        }
        return g;
    }

    // Top-left corner of the client area in root coordinates, asked of the
    // server (a reparenting window manager makes the window's own position
    // relative to its frame).
    std::optional<Point64> clientOrigin(Window window) const {
        int x = 0;
        int y = 0;
        Window child = 0;
        x11::X11ErrorTrap trap(display.get(), x11::X11ErrorTrap::Mode::RepliesOnly);
        if (XTranslateCoordinates(display.get(), window, root, 0, 0, &x, &y, &child) == 0 ||
            trap.caught()) {
            return std::nullopt;
        }
        return Point64{x, y};
    }

    // Outer top-left corner of the frame that holds the window.
    std::optional<Point64> frameOrigin(Window window) const {
        const Window frame = tree->topLevelOf(window);
        const auto g = frame == 0 ? std::nullopt : geometry(frame);
        if (!g) {
            return std::nullopt;
        }
        return Point64{g->x, g->y};
    }
};

X11Platform::X11Platform(const QByteArray& displayName) : d(std::make_unique<Impl>()) {
    d->display.reset(XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData()));
    if (!d->display) {
        return;
    }
    Display* display = d->display.get();
    const int screen = DefaultScreen(display);
    d->root = RootWindow(display, screen);
    d->atoms = x11::X11Atoms::intern(display);
    d->tree = std::make_unique<x11::X11WindowTree>(display, d->root, d->atoms);
    d->screen = std::make_unique<x11::X11ScreenReader>(display, screen);
}

X11Platform::~X11Platform() = default;

bool X11Platform::isOpen() const {
    return d->display != nullptr;
}

_XDisplay* X11Platform::display() const {
    return d->display.get();
}

WindowId X11Platform::findWindowByTitle(const QString& title) {
    return isOpen() ? d->tree->findByTitle(title) : 0;
}

WindowId X11Platform::foregroundWindow() {
    return isOpen() ? d->tree->activeClient() : 0;
}

bool X11Platform::hasTitle(WindowId window, const QString& title) {
    return isOpen() && d->tree->hasTitle(window, title);
}

bool X11Platform::isForeground(WindowId window) {
    return checkForeground(window).inFront();
}

ForegroundVerdict X11Platform::checkForeground(WindowId window) {
    if (!isOpen() || window == 0) {
        return {};
    }
    d->tick = tickCount();
    return d->foreground.check(*d, window, d->tick);
}

QString X11Platform::windowTitle(WindowId window) {
    if (!isOpen() || window == 0) {
        return {};
    }
    // The window in front may be a frame or a window inside a client.
    const Window top = d->tree->topLevelOf(window);
    const Window client = top == 0 ? window : d->tree->clientOf(top);
    const QString title = d->tree->title(client);
    return title.isEmpty() ? d->tree->title(window) : title;
}

bool X11Platform::clientRectCovered(WindowId window, const QRect& rect) {
    if (!isOpen() || window == 0 || rect.isEmpty()) {
        return false;
    }
    const auto origin = d->clientOrigin(window);
    const Window top = d->tree->topLevelOf(window);
    if (!origin || top == 0) {
        return false;
    }
    const long left = static_cast<long>(origin->x) + rect.x();
    const long topEdge = static_cast<long>(origin->y) + rect.y();
    return d->tree->coveredAbove(top, left, topEdge, left + rect.width(), topEdge + rect.height());
}

std::optional<WindowRect> X11Platform::windowRect(WindowId window) {
    if (!isOpen() || window == 0) {
        return std::nullopt;
    }
    const Window frame = d->tree->topLevelOf(window);
    const auto g = frame == 0 ? std::nullopt : d->geometry(frame);
    if (!g) {
        return std::nullopt;
    }
    const int border = static_cast<int>(g->border) * 2;
    return WindowRect{g->x, g->y, g->x + static_cast<int>(g->width) + border,
                      g->y + static_cast<int>(g->height) + border};
}

std::optional<QPoint> X11Platform::clientOrigin(WindowId window) {
    if (!isOpen() || window == 0) {
        return std::nullopt;
    }
    const auto origin = d->clientOrigin(window);
    if (!origin) {
        return std::nullopt;
    }
    return QPoint(static_cast<int>(origin->x), static_cast<int>(origin->y));
}

std::optional<WindowFraming> X11Platform::windowFraming(WindowId window) {
    return isOpen() ? x11::readWindowFraming(d->display.get(), window) : std::nullopt;
}

bool X11Platform::captureRegion(WindowId window, bool client, int x, int y, int width, int height,
                                PixelBuffer& out) {
    if (d->held.copy(window, client, x, y, width, height, out)) {
        return true;
    }
    out.width = std::max(width, 0);
    out.height = std::max(height, 0);
    // Each side is checked on its own: a zero height must not let a
    // billion-pixel width through, which later stages would still size
    // their text by.
    const std::int64_t count = static_cast<std::int64_t>(out.width) * out.height;
    if (out.width > MaxCaptureSide || out.height > MaxCaptureSide || count > MaxCapturePixels) {
        out.width = 0;
        out.height = 0;
        out.pixels.clear();
        return false;
    }
    out.pixels.assign(static_cast<size_t>(count), 0u);
    if (!isOpen()) {
        return false;
    }
    Point64 origin;
    if (window != 0) {
        const auto found = client ? d->clientOrigin(window) : d->frameOrigin(window);
        if (!found) {
            return false;  // the window has gone away
        }
        origin = *found;
    }
    return d->screen->read(origin.x + x, origin.y + y, out);
}

void X11Platform::holdArea(WindowId window, bool client, int x, int y, int width, int height) {
    d->held.read(*this, window, client, x, y, width, height);
}

void X11Platform::releaseArea() {
    d->held.release();
}

void X11Platform::beep() {
    if (!isOpen()) {
        return;
    }
    x11::X11ErrorTrap trap(d->display.get());
    XBell(d->display.get(), 0);
    XFlush(d->display.get());
}

bool X11Platform::startDetached(const QString& program) {
    return QProcess::startDetached(program, {});
}

bool X11Platform::openWithDesktop(const QString& pathOrUrl) {
    // An existing file is always a file, even when its name would also
    // pass for a web address ("notes.txt", a name with '#').
    const QFileInfo file(pathOrUrl);
    const QUrl url = file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                   : QUrl::fromUserInput(pathOrUrl);
    return url.isValid() && QDesktopServices::openUrl(url);
}

std::uint32_t X11Platform::tickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const std::uint64_t ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                             static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

QDateTime X11Platform::now() {
    return QDateTime::currentDateTime();
}

std::int64_t X11Platform::utcMilliseconds() {
    return QDateTime::currentMSecsSinceEpoch();
}

void X11Platform::pumpEvents(int maxWaitMs) {
    const int waitMs = std::max(maxWaitMs, 0);
    if (QCoreApplication::instance() == nullptr) {
        // No event loop can run without an application object; still let
        // the time pass so that waits end.
        std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    loop.exec();
}

std::unique_ptr<MouseButtonSource> X11Platform::openMouseButtons(MouseButtonSource::Failure& why) {
    auto source = std::make_unique<XInputMouseButtons>();
    why = source->open();
    if (why != MouseButtonSource::Failure::Ok) {
        return nullptr;
    }
    return source;
}

}  // namespace bm
