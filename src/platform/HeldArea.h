#pragma once

#include "platform/Platform.h"

namespace bm {

// The pixels of one rectangle of a window, read once so that several
// captures inside it cost no further reads of the screen. Platforms keep one
// while a caller holds an area (Platform::holdArea).
class HeldArea {
public:
    // Reads the rectangle through `platform` and holds it; holds nothing
    // for window 0 or a window gone away.
    void read(Platform& platform, WindowId window, bool client, int x, int y, int width,
              int height);
    void release();

    // Copies (x, y, width, height) of `window` out of the held pixels. False
    // when no area of that window (client area or whole window alike) is
    // held, or the rectangle is not wholly inside it; the caller reads the
    // screen then.
    bool copy(WindowId window, bool client, int x, int y, int width, int height,
              PixelBuffer& out) const;

private:
    bool held_ = false;
    WindowId window_ = 0;
    bool client_ = true;
    int x_ = 0;
    int y_ = 0;
    PixelBuffer pixels_;
};

}  // namespace bm
