#include <QByteArray>
#include <QList>

#include "platform/x11/X11WindowFraming.h"

#include <X11/Xatom.h>

#include "platform/x11/X11ErrorTrap.h"

namespace bm::x11 {

namespace {

constexpr double StandardDpi = 96.0;

// Xft.dpi of the resource database the server holds (xrdb), 1.0 without one.
double desktopScale(Display* display) {
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr) {
        return 1.0;
    }
    for (const QByteArray& line : QByteArray(resources).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == "Xft.dpi") {
            bool ok = false;
            const double dpi = line.mid(colon + 1).trimmed().toDouble(&ok);
            return ok && dpi > 0 ? dpi / StandardDpi : 1.0;
        }
    }
    return 1.0;
}

bool hasFrameExtents(Display* display, Window window) {
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(display, window, extents, 0, 4, False, XA_CARDINAL, &type, &format,
                           &count, &after, &raw) != Success) {
        return false;
    }
    const XPtr<unsigned char> data(raw);
    if (type != XA_CARDINAL || format != 32 || count != 4 || !data) {
        return false;
    }
    const auto* sides = reinterpret_cast<const long*>(data.get());
    return sides[0] != 0 || sides[1] != 0 || sides[2] != 0 || sides[3] != 0;
}

}  // namespace

std::optional<WindowFraming> readWindowFraming(Display* display, Window window) {
    if (display == nullptr || window == 0) {
        return std::nullopt;
    }
    X11ErrorTrap trap(display, X11ErrorTrap::Mode::RepliesOnly);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 || trap.caught()) {
        return std::nullopt;
    }
    WindowFraming framing;
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) != 0) {
        const XPtr<char> name(hint.res_name);
        const XPtr<char> cls(hint.res_class);
        framing.instanceName = QString::fromLocal8Bit(name.get());
        framing.className = QString::fromLocal8Bit(cls.get());
    }
    framing.decoratedByWindowManager =
        attributes.override_redirect == False && hasFrameExtents(display, window);
    framing.scale = desktopScale(display);
    if (trap.caught()) {
        return std::nullopt;
    }
    return framing;
}

}  // namespace bm::x11
