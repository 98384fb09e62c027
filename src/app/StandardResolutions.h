#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace bm {

// A screen size the options dialog offers. Text is the 20-character row
// shown to the user ("1920×1080  FHD      "); the other fields come from it.
struct ScreenResolution {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    QString Name;
    QString Text;
};

inline constexpr int StandardResolutionCount = 14;

// The screen the default capture regions are laid out for, and the table of
// standard resolutions in the order the options dialog lists them.
struct ScreenTable {
    std::int32_t BaseScreenWidth = 800;
    std::int32_t BaseScreenHeight = 600;
    std::array<ScreenResolution, StandardResolutionCount> StandardResolutions{};
};

// Width from characters 1-4 of the text, Height from characters 6-9, Name
// from the last 10 characters without surrounding blanks.
ScreenResolution ScreenResolutionFromText(const QString& text);

// Base screen 800×600 and the 14 standard resolutions.
ScreenTable MakeScreenTable();

}  // namespace bm
