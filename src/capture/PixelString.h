#pragma once

#include <QString>
#include <cstdint>

#include "app/Settings.h"
#include "platform/Platform.h"

namespace bm {

struct AppContext;

// Binarises captured pixels and writes them as a pixel string: four
// upper-case hex digits per pixel column, bit 0 the top row; rows 16 and
// below never appear. A pixel's brightness is B + 2G + R; it is lit when the
// brightness reaches 4 x threshold. A mask >= 0 drops very bright pixels
// (threshold < mask) or adds very dark ones (threshold >= mask).
QString EncodePixelString(const PixelBuffer& pixels, std::int32_t threshold, std::int32_t mask);

// Captures `rect` of the window's client area, encodes it and stores the
// text in run.PixelString[index]. Returns the number of pixel rows read.
int ConvertPixelString(AppContext& ctx, WindowId window, const CaptureRect& rect, int index,
                       std::int32_t threshold, std::int32_t mask);

}  // namespace bm
