#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

#include "SimState.h"
#include "StatusBarLayout.h"
#include "app/Settings.h"

namespace bm::sim {

inline constexpr QSize DefaultClientSize(DefaultClientWidth, DefaultClientHeight);

// The settings whose regions and patterns the stand-in draws: the default
// capture regions of the mode and the default reference patterns.
Settings drawingSettings(const SimState& state);

// The regions and glyphs of those settings.
DrawingData drawingData(const Settings& settings);

// Column words of a figure across its whole region: bit k of a word is set
// when row k of that column is bright.
std::vector<std::uint16_t> fieldColumns(const SimState& state, Field field,
                                        const Settings& settings);

// The whole client area as the stand-in shows it.
QImage renderStatusBar(const SimState& state, QSize clientSize = DefaultClientSize);

}  // namespace bm::sim
