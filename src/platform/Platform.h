#pragma once

#include <QDateTime>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/MouseButtonSource.h"

namespace bm {

// Opaque handle of a top-level window; 0 means "no window".
using WindowId = std::uint64_t;

// Outer rectangle of a window in screen pixels (right and bottom exclusive).
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const WindowRect&) const = default;
};

// How a top-level window is framed: the WM_CLASS its program gave it
// (instance and class names), whether the window manager draws a frame
// around it, and the desktop's scale (1.0 at 96 dpi).
struct WindowFraming {
    QString instanceName;
    QString className;
    bool decoratedByWindowManager = false;
    double scale = 1.0;
};

// Why a window is, or is not, the foreground window.
enum class ForegroundReason {
    InFront,
    // The window manager names another window as the active one.
    OtherWindowActive,
    // No active window is named and the input focus is on another window,
    // or on none.
    FocusElsewhere,
    // The focus follows the pointer (no window manager), and the pointer is
    // over another window.
    PointerElsewhere,
};

struct ForegroundVerdict {
    ForegroundReason reason = ForegroundReason::FocusElsewhere;
    // The window in front instead, when the platform knows it; else 0.
    WindowId other = 0;
    bool inFront() const { return reason == ForegroundReason::InFront; }
};

// Captured pixels, rows top to bottom without gaps; each pixel holds blue in
// its lowest byte, then green, then red; the top byte is always 0.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // A picture of the pixels, for previews and image files.
    QImage toImage() const;
};

// Everything the program needs from the window system and the machine. The
// logic reaches the screen, the clock and the desktop only through this
// interface; the X11 implementation serves the program, the fake one the
// unit tests.
class Platform {
public:
    virtual ~Platform() = default;

    // Top-level window whose title equals `title` exactly; 0 when none.
    // When several share the title, the topmost in stacking order.
    virtual WindowId findWindowByTitle(const QString& title) = 0;
    // The window the user works in (the foreground window); 0 when none.
    virtual WindowId foregroundWindow() = 0;
    // True while `window` still exists and its title equals `title` exactly:
    // a check of a window found before, cheaper than a new lookup.
    virtual bool hasTitle(WindowId window, const QString& title) {
        return window != 0 && findWindowByTitle(title) == window;
    }
    // True when `window` (a window known to exist) is the foreground window.
    virtual bool isForeground(WindowId window) {
        return window != 0 && foregroundWindow() == window;
    }
    // Whether `window` is the foreground window, and if not, why.
    virtual ForegroundVerdict checkForeground(WindowId window) {
        const WindowId front = foregroundWindow();
        if (window != 0 && front == window) {
            return {ForegroundReason::InFront, 0};
        }
        return {front == 0 ? ForegroundReason::FocusElsewhere : ForegroundReason::OtherWindowActive,
                front};
    }
    // The title of any window; empty when it has none or is gone.
    virtual QString windowTitle(WindowId window) {
        (void)window;
        return {};
    }
    // True when another top-level window lies over part of `rect` (client
    // coordinates of `window`), so that the screen there does not show the
    // window's own pixels.
    virtual bool clientRectCovered(WindowId window, const QRect& rect) {
        (void)window;
        (void)rect;
        return false;
    }
    // Outer rectangle (frame included); nullopt when the window is gone.
    virtual std::optional<WindowRect> windowRect(WindowId window) = 0;
    // Top-left corner of the window's client area on the screen; nullopt
    // when the window is gone or the platform cannot tell.
    virtual std::optional<QPoint> clientOrigin(WindowId window) {
        (void)window;
        return std::nullopt;
    }
    // How the window is framed; nullopt when the window is gone or the
    // platform cannot tell.
    virtual std::optional<WindowFraming> windowFraming(WindowId window) {
        (void)window;
        return std::nullopt;
    }
    // Copies the rectangle (x, y, width, height) of what is on screen in the
    // window's client area (client = true; origin at the client area's
    // top-left corner) or in the whole window including its frame (client =
    // false). Parts outside the screen read as black. Window 0 reads the
    // same rectangle of the whole screen. Returns false (and leaves a black
    // buffer of the requested size) when the window has gone away.
    virtual bool captureRegion(WindowId window, bool client, int x, int y, int width, int height,
                               PixelBuffer& out) = 0;
    // Reads the rectangle once and serves later captures of the same window
    // that lie wholly inside it from that read, until releaseArea(): for a
    // caller that reads several regions close together, one read of the
    // screen instead of one per region. A window gone away holds nothing.
    virtual void holdArea(WindowId window, bool client, int x, int y, int width, int height) {
        (void)window, (void)client, (void)x, (void)y, (void)width, (void)height;
    }
    virtual void releaseArea() {}

    // The system beep.
    virtual void beep() = 0;
    // Starts an executable file detached from this process.
    virtual bool startDetached(const QString& program) = 0;
    // Hands a document or a web address to the desktop's opener.
    virtual bool openWithDesktop(const QString& pathOrUrl) = 0;

    // Monotonic milliseconds since boot, wrapped to unsigned 32 bits.
    virtual std::uint32_t tickCount() = 0;
    // The local date and time.
    virtual QDateTime now() = 0;
    // The same moment as milliseconds since 1970-01-01 UTC, and the local
    // time's offset from UTC in seconds at a given moment: the debug log
    // builds its time stamps from these without a time-zone lookup per line.
    virtual std::int64_t utcMilliseconds() { return now().toMSecsSinceEpoch(); }
    virtual int utcOffsetSeconds(std::int64_t utcMs) {
        return QDateTime::fromMSecsSinceEpoch(utcMs, now().timeZone()).offsetFromUtc();
    }
    // Dispatches pending events and waits for new ones for at most
    // `maxWaitMs` milliseconds. Timers, clicks and menu commands of the
    // program run inside this call.
    virtual void pumpEvents(int maxWaitMs) = 0;

    // Starts listening to the left and right mouse buttons of the whole
    // desktop; nullptr (and the reason) when that is not possible here.
    virtual std::unique_ptr<MouseButtonSource> openMouseButtons(MouseButtonSource::Failure& why) {
        why = MouseButtonSource::Failure::NoInputExtension;
        return nullptr;
    }
};

}  // namespace bm
