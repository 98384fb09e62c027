#pragma once

#include <QByteArray>
#include <memory>

#include "platform/Platform.h"

struct _XDisplay;  // Xlib's Display, kept out of this header

namespace bm {

// The platform on Linux/X11. It keeps one X connection of its own for
// window lookups and screen reads; X errors on it are trapped, never fatal.
class X11Platform : public Platform {
public:
    // Opens the named display, or the one in DISPLAY when the name is empty.
    explicit X11Platform(const QByteArray& displayName = {});
    ~X11Platform() override;
    X11Platform(const X11Platform&) = delete;
    X11Platform& operator=(const X11Platform&) = delete;

    // False when the X display could not be opened; window operations then
    // find nothing and capture black.
    bool isOpen() const;
    // The connection, for listeners that need the same display (null when
    // closed). It stays owned by the platform.
    _XDisplay* display() const;

    WindowId findWindowByTitle(const QString& title) override;
    WindowId foregroundWindow() override;
    bool hasTitle(WindowId window, const QString& title) override;
    bool isForeground(WindowId window) override;
    ForegroundVerdict checkForeground(WindowId window) override;
    QString windowTitle(WindowId window) override;
    bool clientRectCovered(WindowId window, const QRect& rect) override;
    std::optional<WindowRect> windowRect(WindowId window) override;
    std::optional<QPoint> clientOrigin(WindowId window) override;
    std::optional<WindowFraming> windowFraming(WindowId window) override;
    bool captureRegion(WindowId window, bool client, int x, int y, int width, int height,
                       PixelBuffer& out) override;
    void holdArea(WindowId window, bool client, int x, int y, int width, int height) override;
    void releaseArea() override;
    void beep() override;
    bool startDetached(const QString& program) override;
    bool openWithDesktop(const QString& pathOrUrl) override;
    std::uint32_t tickCount() override;
    QDateTime now() override;
    std::int64_t utcMilliseconds() override;
    void pumpEvents(int maxWaitMs) override;
    std::unique_ptr<MouseButtonSource> openMouseButtons(MouseButtonSource::Failure& why) override;

    // Largest capture accepted, in pixels; a bigger request fails with an
    // empty buffer instead of exhausting memory.
    static constexpr std::int64_t MaxCapturePixels = std::int64_t{1} << 26;
    // Largest side accepted, in pixels (larger than any X11 screen).
    static constexpr int MaxCaptureSide = 1 << 15;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace bm
