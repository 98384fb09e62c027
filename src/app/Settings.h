#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace bm {

// Rectangle of a capture region in pixels of the game window's client area.
struct CaptureRect {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool operator==(const CaptureRect&) const = default;
};

// Reading index: 0 level, 1 Exp, 2 money.
inline constexpr int ReadingCount = 3;
// Region index: 0 level, 1 Exp, 2 money, 3 Exp second position, 4 money second position.
inline constexpr int RegionCount = 5;
// Glyphs per reading: digits 0-9 and the delimiter at index 10.
inline constexpr int GlyphCount = 11;
inline constexpr int DelimiterGlyph = 10;

// The settings record: every setting of the settings file plus the three
// identity strings written into it. Plain data; the defaults are applied by
// the stages in SettingsDefaults.h and the bounds the options dialog enforces
// live in SettingBounds.h.
struct Settings {
    // Identity (set at start-up; the settings file writes ProgramTitle on its
    // first line and SearchWindowName on its last line).
    QString SearchWindowName;
    QString VersionText;
    QString ProgramTitle;

    std::array<bm::CaptureRect, RegionCount> CaptureRect{};
    bool AutoStart = false;
    std::int32_t CaptureInterval = 0;
    bool BeepOnCapture = false;
    QString PayRecordFolder;
    QString PayRecordPrefix;
    bool PayRecordCsv = false;
    bool PayRecordMonthly = false;
    std::int32_t LagCancelTime = 0;
    std::int32_t StartDelay = 0;
    std::array<bool, 2> AutoRunEnabled{};
    std::array<QString, 2> AutoRunPath{};
    std::int32_t AutoRun2Delay = 0;
    bool ShotCheckEnabled = false;
    std::int32_t ShotCheckInterval = 0;
    QString ImageExtension;
    bool GestureEnabled = false;
    std::int32_t GestureWaitTime = 0;
    bool GraphShow = false;
    std::int32_t GraphPoints = 0;
    std::int32_t GraphAverageCount = 0;
    bool RememberWindowPos = false;
    std::int32_t WindowLeft = 0;
    std::int32_t WindowTop = 0;
    std::int32_t WindowWidth = 0;
    std::int32_t WindowHeight = 0;
    bool MultiDisplay = false;
    std::int32_t DisplayOffsetX = 0;
    std::int32_t DisplayOffsetY = 0;

    std::array<std::int32_t, ReadingCount> BinarizeThreshold{};
    std::array<std::int32_t, ReadingCount> BinarizeMask{};
    // PatternSize[0][r] glyph width in columns, PatternSize[1][r] glyph height.
    std::array<std::array<std::int32_t, ReadingCount>, 2> PatternSize{};
    // Patterns[r][g]: reference pixel string of digit g (0-9) or the delimiter (10).
    std::array<std::array<QString, GlyphCount>, ReadingCount> Patterns{};

    bool operator==(const Settings&) const = default;
};

}  // namespace bm
