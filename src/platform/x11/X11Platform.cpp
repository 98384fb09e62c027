#include "platform/x11/X11Platform.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <ctime>

namespace bm {

// Placeholder until the X11 window lookup and capture land.
struct X11Platform::Impl {};

X11Platform::X11Platform() : d(std::make_unique<Impl>()) {}
X11Platform::~X11Platform() = default;

bool X11Platform::isOpen() const {
    return false;
}
WindowId X11Platform::findWindowByTitle(const QString&) {
    return 0;
}
WindowId X11Platform::foregroundWindow() {
    return 0;
}
std::optional<WindowRect> X11Platform::windowRect(WindowId) {
    return std::nullopt;
}

bool X11Platform::captureRegion(WindowId, bool, int, int, int width, int height, PixelBuffer& out) {
    out.width = std::max(width, 0);
    out.height = std::max(height, 0);
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, 0u);
    return false;
}

void X11Platform::beep() {}

bool X11Platform::startDetached(const QString& program) {
    return QProcess::startDetached(program, {});
}

bool X11Platform::openWithDesktop(const QString& pathOrUrl) {
    const QUrl url = QUrl::fromUserInput(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

std::uint32_t X11Platform::tickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const std::uint64_t ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                             static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

QDateTime X11Platform::now() {
    return QDateTime::currentDateTime();
}

void X11Platform::pumpEvents(int maxWaitMs) {
    QEventLoop loop;
    QTimer::singleShot(std::max(maxWaitMs, 0), &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace bm
