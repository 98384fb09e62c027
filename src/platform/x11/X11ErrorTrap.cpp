#include "platform/x11/X11ErrorTrap.h"

namespace bm::x11 {

namespace {
// Xlib's error callback carries no user data, so the innermost live guard
// of the calling thread is kept here. Only guards touch it.
thread_local X11ErrorTrap* innermostTrap = nullptr;
}  // namespace

X11ErrorTrap::X11ErrorTrap(Display* display, Mode mode)
    : display_(display),
      mode_(mode),
      previousHandler_(XSetErrorHandler(&X11ErrorTrap::handle)),
      outer_(innermostTrap) {
    innermostTrap = this;
}

X11ErrorTrap::~X11ErrorTrap() {
    if (mode_ == Mode::SyncOnExit && display_ != nullptr) {
        XSync(display_, False);
    }
    innermostTrap = outer_;
    XSetErrorHandler(previousHandler_);
}

bool X11ErrorTrap::synced() {
    if (display_ != nullptr) {
        XSync(display_, False);
    }
    return caught();
}

int X11ErrorTrap::handle(Display* display, XErrorEvent* event) {
    for (X11ErrorTrap* trap = innermostTrap; trap != nullptr; trap = trap->outer_) {
        if (trap->display_ == display) {
            if (trap->errorCode_ == 0) {
                trap->errorCode_ = event->error_code;
            }
            return 0;
        }
    }
    // Not ours: whoever handled errors before the outermost guard decides.
    X11ErrorTrap* outermost = innermostTrap;
    while (outermost != nullptr && outermost->outer_ != nullptr) {
        outermost = outermost->outer_;
    }
    if (outermost != nullptr && outermost->previousHandler_ != nullptr) {
        return outermost->previousHandler_(display, event);
    }
    return 0;
}

}  // namespace bm::x11
