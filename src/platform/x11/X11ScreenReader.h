#pragma once

#include <cstdint>

#include "platform/Platform.h"
#include "platform/x11/X11Handles.h"

namespace bm::x11 {

// Reads what the screen shows from the root window: one XGetImage per
// rectangle, clipped to the screen, converted to B,G,R,0 pixels.
class X11ScreenReader {
public:
    X11ScreenReader(Display* display, int screen);

    // Copies the rectangle of `out`'s size whose top-left corner is at
    // (left, top) in root coordinates into `out`, which the caller has
    // filled with black; parts off the screen stay black. False when the
    // server refused the read.
    bool read(std::int64_t left, std::int64_t top, PixelBuffer& out);

private:
    void refreshScreenSize();
    void copyImage(const XImage& image, int toX, int toY, PixelBuffer& out) const;

    Display* display_;
    Window root_;
    Visual* visual_;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
};

}  // namespace bm::x11
