#include "capture/RegionCapture.h"

#include "app/WaitClock.h"

namespace bm {

namespace {

QImage capture(Platform& platform, WindowId window, bool client, const CaptureRect& rect) {
    PixelBuffer pixels;
    platform.captureRegion(window, client, rect.X, rect.Y, rect.Width, rect.Height, pixels);
    return pixels.toImage();
}

}  // namespace

QImage CaptureClientRegion(Platform& platform, WindowId window, const CaptureRect& rect) {
    return capture(platform, window, true, rect);
}

QImage CaptureForegroundRegion(Platform& platform, const CaptureRect& rect, std::int32_t waitMs,
                               bool client) {
    WaitMilliseconds(platform, waitMs);
    return capture(platform, platform.foregroundWindow(), client, rect);
}

}  // namespace bm
