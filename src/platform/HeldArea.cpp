#include "platform/HeldArea.h"

#include <algorithm>

namespace bm {

void HeldArea::read(Platform& platform, WindowId window, bool client, int x, int y, int width,
                    int height) {
    release();
    PixelBuffer pixels;
    if (window == 0 || !platform.captureRegion(window, client, x, y, width, height, pixels)) {
        return;
    }
    held_ = true;
    window_ = window;
    client_ = client;
    x_ = x;
    y_ = y;
    pixels_ = std::move(pixels);
}

void HeldArea::release() {
    held_ = false;
    pixels_ = PixelBuffer();
}

bool HeldArea::copy(WindowId window, bool client, int x, int y, int width, int height,
                    PixelBuffer& out) const {
    if (!held_ || window != window_ || client != client_ || width < 0 || height < 0) {
        return false;
    }
    // In 64 bits: a far-off rectangle must not wrap into the held one.
    const std::int64_t left = std::int64_t{x} - x_;
    const std::int64_t top = std::int64_t{y} - y_;
    if (left < 0 || top < 0 || left + width > pixels_.width || top + height > pixels_.height) {
        return false;
    }
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row) {
        const auto from = pixels_.pixels.begin() +
                          static_cast<std::ptrdiff_t>((top + row) * pixels_.width + left);
        std::copy(from, from + width,
                  out.pixels.begin() + static_cast<std::ptrdiff_t>(row) * width);
    }
    return true;
}

}  // namespace bm
