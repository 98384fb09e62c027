#pragma once

// Ownership of the X resources the platform touches. Include this after
// every Qt header: Xlib defines macros (None, Bool, Status...) that clash
// with Qt names.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace bm::x11 {

// Memory handed out by Xlib (property data, child lists) goes back with XFree.
struct XFreeDeleter {
    void operator()(void* p) const {
        if (p != nullptr) {
            XFree(p);
        }
    }
};
template <typename T>
using XPtr = std::unique_ptr<T, XFreeDeleter>;

struct XImageDeleter {
    void operator()(XImage* image) const {
        if (image != nullptr) {
            XDestroyImage(image);
        }
    }
};
using XImagePtr = std::unique_ptr<XImage, XImageDeleter>;

struct DisplayCloser {
    void operator()(Display* display) const {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

}  // namespace bm::x11
