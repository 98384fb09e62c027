#include "platform/fake/FakePlatform.h"

#include <QCoreApplication>
#include <algorithm>

namespace bm {

FakePlatform::FakePlatform() : now_(QDate(2026, 12, 5), QTime(14, 30, 0)) {}

WindowId FakePlatform::addWindow(const QString& title, const QImage& client, QPoint screenPos,
                                 QPoint clientOffset) {
    const WindowId id = nextId_++;
    FakeWindow w;
    w.title = title;
    w.client = client.convertToFormat(QImage::Format_RGB32);
    w.clientOffset = clientOffset;
    w.outer = {screenPos.x(), screenPos.y(), screenPos.x() + clientOffset.x() + client.width(),
               screenPos.y() + clientOffset.y() + client.height()};
    windows_[id] = w;
    stacking_.push_back(id);
    return id;
}

void FakePlatform::removeWindow(WindowId id) {
    windows_.erase(id);
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), id), stacking_.end());
    if (foreground_ == id) {
        foreground_ = 0;
    }
}

void FakePlatform::setClientImage(WindowId id, const QImage& client) {
    if (auto* w = window(id)) {
        w->client = client.convertToFormat(QImage::Format_RGB32);
    }
}

FakePlatform::FakeWindow* FakePlatform::window(WindowId id) {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
}

void FakePlatform::advance(std::int64_t ms) {
    tick_ = static_cast<std::uint32_t>(tick_ + static_cast<std::uint64_t>(ms));
    now_ = now_.addMSecs(ms);
}

bool FakePlatform::hasTitle(WindowId window, const QString& title) {
    ++titleChecks;
    const FakeWindow* w = this->window(window);
    return w != nullptr && w->title == title;
}

WindowId FakePlatform::findWindowByTitle(const QString& title) {
    ++titleLookups;
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
        if (windows_[*it].title == title) {
            return *it;
        }
    }
    return 0;
}

QString FakePlatform::windowTitle(WindowId window) {
    const FakeWindow* w = this->window(window);
    return w == nullptr ? QString() : w->title;
}

bool FakePlatform::clientRectCovered(WindowId window, const QRect& rect) {
    const auto origin = clientOrigin(window);
    const auto self = std::find(stacking_.begin(), stacking_.end(), window);
    if (!origin || self == stacking_.end()) {
        return false;
    }
    const QRect onScreen = rect.translated(*origin);
    return std::any_of(self + 1, stacking_.end(), [&](WindowId above) {
        const WindowRect& o = windows_[above].outer;
        return QRect(o.left, o.top, o.width(), o.height()).intersects(onScreen);
    });
}

std::optional<WindowRect> FakePlatform::windowRect(WindowId window) {
    if (auto* w = this->window(window)) {
        return w->outer;
    }
    return std::nullopt;
}

std::optional<QPoint> FakePlatform::clientOrigin(WindowId window) {
    if (auto* w = this->window(window)) {
        return QPoint(w->outer.left, w->outer.top) + w->clientOffset;
    }
    return std::nullopt;
}

bool FakePlatform::captureRegion(WindowId window, bool client, int x, int y, int width, int height,
                                 PixelBuffer& out) {
    if (held_.copy(window, client, x, y, width, height, out)) {
        return true;
    }
    ++screenReads;
    out.width = std::max(width, 0);
    out.height = std::max(height, 0);
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, 0u);
    FakeWindow* w = this->window(window);
    if (w == nullptr) {
        return window == 0;
    }
    const QPoint origin = client ? w->clientOffset : QPoint(0, 0);
    for (int row = 0; row < out.height; ++row) {
        for (int col = 0; col < out.width; ++col) {
            const int fx = origin.x() + x + col;  // frame coordinates
            const int fy = origin.y() + y + row;
            if (fx < 0 || fy < 0 || fx >= w->outer.width() || fy >= w->outer.height()) {
                continue;
            }
            const int cx = fx - w->clientOffset.x();
            const int cy = fy - w->clientOffset.y();
            std::uint32_t pixel = w->frameColor.rgb();
            if (cx >= 0 && cy >= 0 && cx < w->client.width() && cy < w->client.height()) {
                pixel = w->client.pixel(cx, cy);
            }
            out.pixels[static_cast<size_t>(row) * out.width + col] = pixel & 0x00FFFFFFu;
        }
    }
    return true;
}

void FakePlatform::holdArea(WindowId window, bool client, int x, int y, int width, int height) {
    held_.read(*this, window, client, x, y, width, height);
}

bool FakePlatform::startDetached(const QString& program) {
    started << program;
    return true;
}

bool FakePlatform::openWithDesktop(const QString& pathOrUrl) {
    opened << pathOrUrl;
    return true;
}

void FakePlatform::pumpEvents(int maxWaitMs) {
    ++pumpCalls;
    // Time always moves, so a wait that asks for 0 ms still ends.
    advance(std::max(maxWaitMs, 1));
    if (processQtEvents_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
}

std::unique_ptr<MouseButtonSource> FakePlatform::openMouseButtons(MouseButtonSource::Failure& why) {
    ++mouseOpens;
    why = mouseFailure;
    if (mouseFailure != MouseButtonSource::Failure::Ok) {
        return nullptr;
    }
    auto source = std::make_unique<FakeMouseButtons>();
    mouse_ = source.get();
    return source;
}

}  // namespace bm
