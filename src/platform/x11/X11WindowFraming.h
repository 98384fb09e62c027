#pragma once

#include <optional>

#include "platform/Platform.h"
#include "platform/x11/X11Handles.h"

namespace bm::x11 {

// How a client window is framed: its WM_CLASS, whether the window manager
// decorates it (a non-zero _NET_FRAME_EXTENTS; an unmanaged or
// override-redirect window, or a window inside another program's window,
// carries none) and the desktop's scale from the Xft.dpi resource. nullopt
// when the window is gone.
std::optional<WindowFraming> readWindowFraming(Display* display, Window window);

}  // namespace bm::x11
