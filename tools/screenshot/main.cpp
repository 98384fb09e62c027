// Saves a picture of the whole X screen (or of one window) as a PNG file:
//   x11-screenshot FILE.png [--window TITLE]
// It reads what is on screen through the program's own X11 platform, so it
// needs nothing beside the X display in DISPLAY.
#include <QCoreApplication>
#include <QImage>
#include <cstdio>

#include "platform/x11/X11Platform.h"

// Xlib last: its macros clash with Qt names.
#include "platform/x11/X11Handles.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--window"))) {
        std::fprintf(stderr, "usage: x11-screenshot FILE.png [--window TITLE]\n");
        return 2;
    }
    bm::X11Platform x;
    if (!x.isOpen()) {
        std::fprintf(stderr, "x11-screenshot: cannot open the X display\n");
        return 1;
    }
    bm::WindowId window = 0;
    int width = 0;
    int height = 0;
    if (args.size() == 3) {
        window = x.findWindowByTitle(args[2]);
        const std::optional<bm::WindowRect> rect =
            window != 0 ? x.windowRect(window) : std::nullopt;
        if (!rect) {
            std::fprintf(stderr, "x11-screenshot: no window titled %s\n", qPrintable(args[2]));
            return 1;
        }
        width = rect->width();
        height = rect->height();
    } else {
        Display* display = x.display();
        width = DisplayWidth(display, DefaultScreen(display));
        height = DisplayHeight(display, DefaultScreen(display));
    }
    bm::PixelBuffer pixels;
    if (!x.captureRegion(window, false, 0, 0, width, height, pixels) ||
        !pixels.toImage().save(args[0], "PNG")) {
        std::fprintf(stderr, "x11-screenshot: could not save %s\n", qPrintable(args[0]));
        return 1;
    }
    return 0;
}
