#include "platform/Platform.h"

namespace bm {

QImage PixelBuffer::toImage() const {
    if (width <= 0 || height <= 0) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = 0xFF000000u | at(x, y);
        }
    }
    return image;
}

}  // namespace bm
