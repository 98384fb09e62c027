#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "SimState.h"

// Plain C++ without Qt: the Win32 stand-in (tools/statusbar-win) draws with
// the same code through a cross compiler.

namespace bm::sim {

// Layout of a figure inside its capture region, in pixel columns: the
// number starts one column in, every glyph is followed by one background
// column so that glyphs never touch, and the delimiter glyph (the level's
// mark, "%" or the "E" of ELY) follows the last digit.
inline constexpr int NumberStartColumn = 1;
inline constexpr int GapColumns = 1;
// Separators of the Exp and money figures: one column each, dark pixels in
// a bright field (bit k set = row k bright). They match no pattern.
inline constexpr std::uint16_t DecimalPointColumn = 0x013F;    // rows 6-7 dark
inline constexpr std::uint16_t ThousandsCommaColumn = 0x003F;  // rows 6-8 dark

// Default size of the client area; it holds every default region in both
// modes.
inline constexpr int DefaultClientWidth = 320;
inline constexpr int DefaultClientHeight = 160;

// A glyph as column words (bit k set: row k lit), and the glyphs of one
// reading: digits 0-9, then the delimiter.
using GlyphColumns = std::vector<std::uint16_t>;
inline constexpr int GlyphsPerReading = 11;
using GlyphSet = std::array<GlyphColumns, GlyphsPerReading>;

// A capture region in client pixels.
struct RegionRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What the stand-in draws with: the five capture regions of its mode and
// the glyphs of the three readings.
struct DrawingData {
    std::array<RegionRect, 5> regions{};
    std::array<GlyphSet, FieldCount> glyphs{};
};

// The capture region (0-4) that shows a figure in the current position.
int regionOf(const SimState& state, Field field);

// Column words of a figure across a region `width` columns wide.
std::vector<std::uint16_t> figureColumns(const SimState& state, Field field,
                                         const DrawingData& data, int width);

// The whole client area, rows top to bottom, each pixel 0x00RRGGBB.
std::vector<std::uint32_t> renderPixels(const SimState& state, const DrawingData& data, int width,
                                        int height);

}  // namespace bm::sim
