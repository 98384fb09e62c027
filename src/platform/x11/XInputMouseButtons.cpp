#include "platform/x11/XInputMouseButtons.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <QSocketNotifier>

#include "platform/x11/X11ErrorTrap.h"

namespace bm {

namespace {

// X button numbers of the two buttons gestures use.
constexpr int LeftButton = 1;
constexpr int RightButton = 3;

struct DisplayCloser {
    void operator()(Display* d) const {
        if (d != nullptr) {
            XCloseDisplay(d);
        }
    }
};

}  // namespace

struct XInputMouseButtons::Impl {
    std::unique_ptr<Display, DisplayCloser> display;
    int xiOpcode = 0;
    std::unique_ptr<QSocketNotifier> notifier;
};

XInputMouseButtons::XInputMouseButtons(QObject* parent)
    : MouseButtonSource(parent), d(std::make_unique<Impl>()) {}

XInputMouseButtons::~XInputMouseButtons() = default;

MouseButtonSource::Failure XInputMouseButtons::open() {
    d->display.reset(XOpenDisplay(nullptr));
    Display* dpy = d->display.get();
    if (dpy == nullptr) {
        return Failure::NoInputExtension;
    }
    int event = 0;
    int error = 0;
    if (!XQueryExtension(dpy, "XInputExtension", &d->xiOpcode, &event, &error)) {
        d->display.reset();
        return Failure::NoInputExtension;
    }
    // 2.2 is needed: with 2.0 a raw-event listener loses the releases, and
    // every event while another client holds a pointer grab.
    int major = 2;
    int minor = 2;
    if (XIQueryVersion(dpy, &major, &minor) != Success || major < 2 || (major == 2 && minor < 2)) {
        d->display.reset();
        return Failure::NoInputExtension;
    }
    unsigned char mask[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(mask, XI_RawButtonPress);
    XISetMask(mask, XI_RawButtonRelease);
    XIEventMask eventMask;
    eventMask.deviceid = XIAllMasterDevices;
    eventMask.mask_len = sizeof mask;
    eventMask.mask = mask;
    // Errors of this private connection would otherwise reach Xlib's
    // default handler, which ends the program.
    bool selected = false;
    {
        x11::X11ErrorTrap trap(dpy);
        selected =
            XISelectEvents(dpy, DefaultRootWindow(dpy), &eventMask, 1) == Success && !trap.synced();
    }
    if (!selected) {
        d->display.reset();
        return Failure::CannotListen;
    }
    d->notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(dpy), QSocketNotifier::Read);
    connect(d->notifier.get(), &QSocketNotifier::activated, this, &XInputMouseButtons::drain);
    // Events may already sit in Xlib's queue, where the socket notifier
    // never sees them.
    drain();
    return Failure::Ok;
}

void XInputMouseButtons::drain() {
    Display* dpy = d->display.get();
    if (dpy == nullptr) {
        return;
    }
    QList<QPair<bool, bool>> events;
    while (XPending(dpy) > 0) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        XGenericEventCookie* cookie = &ev.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != d->xiOpcode ||
            !XGetEventData(dpy, cookie)) {
            continue;
        }
        if (cookie->evtype == XI_RawButtonPress || cookie->evtype == XI_RawButtonRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            const bool pressed = cookie->evtype == XI_RawButtonPress;
            if (raw->detail == LeftButton || raw->detail == RightButton) {
                events.append({raw->detail == LeftButton, pressed});
            }
        }
        XFreeEventData(dpy, cookie);
    }
    if (!events.isEmpty()) {
        emit buttons(events);
    }
}

}  // namespace bm
