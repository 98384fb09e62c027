#pragma once

#include <QImage>
#include <cstdint>

#include "app/Settings.h"
#include "platform/Platform.h"

namespace bm {

// A picture of `rect` in the window's client area (origin at its top-left
// corner). Parts off the screen are black.
QImage CaptureClientRegion(Platform& platform, WindowId window, const CaptureRect& rect);

// Waits `waitMs` (WaitMilliseconds), then takes the window that is in front
// at that moment and returns a picture of `rect` in its client area (client
// = true) or in the whole window including its frame (client = false).
QImage CaptureForegroundRegion(Platform& platform, const CaptureRect& rect, std::int32_t waitMs,
                               bool client);

}  // namespace bm
