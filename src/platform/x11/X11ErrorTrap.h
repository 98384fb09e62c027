#pragma once

#include "platform/x11/X11Handles.h"

namespace bm::x11 {

// Keeps X errors of one connection from reaching Xlib's default handler,
// which would end the process. While the guard lives, errors of its
// connection are recorded instead; errors of other connections go on to
// the handler that was installed before. Guards nest.
//
// Requests that wait for a reply (property reads, queries, XGetImage) have
// their errors delivered before they return, so `caught()` is exact right
// after them. Requests without a reply need a round trip to learn about
// their errors: `SyncOnExit` makes the guard call XSync before it lets go
// of the handler, and `synced()` checks on the spot.
class X11ErrorTrap {
public:
    enum class Mode { SyncOnExit, RepliesOnly };

    explicit X11ErrorTrap(Display* display, Mode mode = Mode::SyncOnExit);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // True when an error of this connection arrived since the guard began.
    bool caught() const { return errorCode_ != 0; }
    // Waits for every request sent so far, then reports like caught().
    bool synced();
    // The first error's code (BadWindow, BadMatch...), 0 when none.
    int errorCode() const { return errorCode_; }

private:
    static int handle(Display* display, XErrorEvent* event);

    Display* display_;
    Mode mode_;
    XErrorHandler previousHandler_;
    X11ErrorTrap* outer_;
    int errorCode_ = 0;
};

}  // namespace bm::x11
