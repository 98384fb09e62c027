#include "platform/x11/X11ScreenReader.h"

#include <algorithm>
#include <bit>

#include "platform/x11/X11ErrorTrap.h"

namespace bm::x11 {

namespace {

constexpr std::uint32_t ColourBits = 0x00FFFFFFu;

// One colour channel of a pixel value, scaled to 8 bits.
std::uint32_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const unsigned long value = (pixel & mask) >> shift;
    if (bits >= 8) {
        return static_cast<std::uint32_t>(value >> (bits - 8));
    }
    const unsigned long maximum = (1ul << bits) - 1;
    return static_cast<std::uint32_t>(value * 255 / maximum);
}

}  // namespace

X11ScreenReader::X11ScreenReader(Display* display, int screen)
    : display_(display),
      root_(RootWindow(display, screen)),
      visual_(DefaultVisual(display, screen)),
      screenWidth_(DisplayWidth(display, screen)),
      screenHeight_(DisplayHeight(display, screen)) {}

void X11ScreenReader::refreshScreenSize() {
    Window rootReturn = 0;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
    if (XGetGeometry(display_, root_, &rootReturn, &x, &y, &width, &height, &border, &depth) != 0 &&
        !trap.caught()) {
        screenWidth_ = static_cast<int>(width);
        screenHeight_ = static_cast<int>(height);
    }
}

bool X11ScreenReader::read(std::int64_t left, std::int64_t top, PixelBuffer& out) {
    // The screen's size is remembered; a read the server refuses (the
    // screen may have shrunk) asks for the size again and tries once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::int64_t x0 = std::max<std::int64_t>(left, 0);
        const std::int64_t y0 = std::max<std::int64_t>(top, 0);
        const std::int64_t x1 = std::min<std::int64_t>(left + out.width, screenWidth_);
        const std::int64_t y1 = std::min<std::int64_t>(top + out.height, screenHeight_);
        if (x1 <= x0 || y1 <= y0) {
            return true;  // nothing of it is on the screen
        }
        XImagePtr image;
        {
            X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
            image.reset(XGetImage(display_, root_, static_cast<int>(x0), static_cast<int>(y0),
                                  static_cast<unsigned int>(x1 - x0),
                                  static_cast<unsigned int>(y1 - y0), AllPlanes, ZPixmap));
            if (trap.caught()) {
                image.reset();
            }
        }
        if (image) {
            copyImage(*image, static_cast<int>(x0 - left), static_cast<int>(y0 - top), out);
            return true;
        }
        refreshScreenSize();
    }
    return false;
}

void X11ScreenReader::copyImage(const XImage& image, int toX, int toY, PixelBuffer& out) const {
    const bool nativeOrder =
        (image.byte_order == LSBFirst) == (std::endian::native == std::endian::little);
    const unsigned long red = image.red_mask != 0 ? image.red_mask : visual_->red_mask;
    const unsigned long green = image.green_mask != 0 ? image.green_mask : visual_->green_mask;
    const unsigned long blue = image.blue_mask != 0 ? image.blue_mask : visual_->blue_mask;
    const bool direct = image.bits_per_pixel == 32 && nativeOrder && red == 0xFF0000u &&
                        green == 0x00FF00u && blue == 0x0000FFu;
    for (int row = 0; row < image.height; ++row) {
        std::uint32_t* target =
            out.pixels.data() + static_cast<size_t>(toY + row) * out.width + toX;
        if (direct) {
            const auto* source = reinterpret_cast<const std::uint32_t*>(
                image.data + static_cast<std::ptrdiff_t>(row) * image.bytes_per_line);
            for (int col = 0; col < image.width; ++col) {
                target[col] = source[col] & ColourBits;
            }
            continue;
        }
        for (int col = 0; col < image.width; ++col) {
            const unsigned long pixel = XGetPixel(const_cast<XImage*>(&image), col, row);
            target[col] =
                channel(pixel, red) << 16 | channel(pixel, green) << 8 | channel(pixel, blue);
        }
    }
}

}  // namespace bm::x11
