#include "capture/RegionCapture.h"

#include <algorithm>
#include <limits>

#include "capture/WaitClock.h"

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

HeldRegions::HeldRegions(Platform& platform, WindowId window,
                         std::initializer_list<CaptureRect> rects)
    : platform_(platform) {
    // A cover up to this many times the rectangles' own pixels is still one
    // cheap read; the status bar's regions lie close together.
    constexpr std::int64_t MaxCoverRatio = 4;
    std::int64_t left = std::numeric_limits<std::int64_t>::max();
    std::int64_t top = left;
    std::int64_t right = std::numeric_limits<std::int64_t>::min();
    std::int64_t bottom = right;
    std::int64_t pixels = 0;
    for (const CaptureRect& r : rects) {
        if (r.Width <= 0 || r.Height <= 0) {
            continue;
        }
        left = std::min<std::int64_t>(left, r.X);
        top = std::min<std::int64_t>(top, r.Y);
        right = std::max<std::int64_t>(right, std::int64_t{r.X} + r.Width);
        bottom = std::max<std::int64_t>(bottom, std::int64_t{r.Y} + r.Height);
        pixels += std::int64_t{r.Width} * r.Height;
    }
    if (window == 0 || pixels == 0 || (right - left) * (bottom - top) > MaxCoverRatio * pixels ||
        right - left > std::numeric_limits<int>::max() ||
        bottom - top > std::numeric_limits<int>::max()) {
        return;
    }
    platform_.holdArea(window, true, static_cast<int>(left), static_cast<int>(top),
                       static_cast<int>(right - left), static_cast<int>(bottom - top));
    held_ = true;
}

HeldRegions::~HeldRegions() {
    if (held_) {
        platform_.releaseArea();
    }
}

}  // namespace bm
