#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

#include "SimState.h"
#include "app/Settings.h"

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
inline constexpr QSize DefaultClientSize(320, 160);

// The settings whose regions and patterns the stand-in draws: the default
// capture regions of the mode and the default reference patterns.
Settings drawingSettings(const SimState& state);

// The capture region (0-4) that shows a figure in the current position.
int regionOf(const SimState& state, Field field);

// Column words of a figure across its whole region: bit k of a word is set
// when row k of that column is bright.
std::vector<std::uint16_t> fieldColumns(const SimState& state, Field field,
                                        const Settings& settings);

// The whole client area as the stand-in shows it.
QImage renderStatusBar(const SimState& state, QSize clientSize = DefaultClientSize);

}  // namespace bm::sim
