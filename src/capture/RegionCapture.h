#pragma once

#include <QImage>
#include <cstdint>
#include <initializer_list>

#include "platform/Platform.h"
#include "settings/Settings.h"

namespace bm {

// A picture of `rect` in the window's client area (origin at its top-left
// corner). Parts off the screen are black.
QImage CaptureClientRegion(Platform& platform, WindowId window, const CaptureRect& rect);

// Waits `waitMs` (WaitMilliseconds), then takes the window that is in front
// at that moment and returns a picture of `rect` in its client area (client
// = true) or in the whole window including its frame (client = false).
QImage CaptureForegroundRegion(Platform& platform, const CaptureRect& rect, std::int32_t waitMs,
                               bool client);

// Holds, for its lifetime, one read of the smallest area of the window's
// client area that covers all `rects`, so that reading them one after the
// other costs one read of the screen. Rectangles far apart are read one by
// one instead, when their cover would be much larger than they are.
class HeldRegions {
public:
    HeldRegions(Platform& platform, WindowId window, std::initializer_list<CaptureRect> rects);
    ~HeldRegions();
    HeldRegions(const HeldRegions&) = delete;
    HeldRegions& operator=(const HeldRegions&) = delete;

private:
    Platform& platform_;
    bool held_ = false;
};

}  // namespace bm
