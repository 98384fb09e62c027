#pragma once

#include <memory>

#include "platform/Platform.h"

namespace bm {

// The platform on Linux/X11.
class X11Platform : public Platform {
public:
    X11Platform();
    ~X11Platform() override;

    // False when the X display could not be opened; window operations then
    // find nothing and capture black.
    bool isOpen() const;

    WindowId findWindowByTitle(const QString& title) override;
    WindowId foregroundWindow() override;
    std::optional<WindowRect> windowRect(WindowId window) override;
    bool captureRegion(WindowId window, bool client, int x, int y, int width, int height,
                       PixelBuffer& out) override;
    void beep() override;
    bool startDetached(const QString& program) override;
    bool openWithDesktop(const QString& pathOrUrl) override;
    std::uint32_t tickCount() override;
    QDateTime now() override;
    void pumpEvents(int maxWaitMs) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace bm
