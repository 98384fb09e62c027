#pragma once

#include <array>
#include <cstdint>

namespace bm::sim {

// The three figures of the status bar, indexed like the readings.
enum class Field { Lv = 0, Exp = 1, Money = 2 };
inline constexpr int FieldCount = 3;

// How a figure is drawn: its value, nothing at all, or glyphs that match
// no reference pattern.
enum class Look { Shown, Hidden, Unreadable };

// Largest values the status bar can show inside its regions.
inline constexpr int MaxLv = 999;
inline constexpr std::int64_t MaxExpHundredths = 10000;  // 100.00 %
inline constexpr std::int64_t MaxMoney = 9'999'999'999;

// Everything the stand-in draws.
struct SimState {
    int lv = 1;
    std::int64_t expHundredths = 0;  // 12.34 % is 1234
    std::int64_t money = 0;
    std::array<Look, FieldCount> look{Look::Shown, Look::Shown, Look::Shown};
    bool fullScreen = false;  // false: window mode, regions moved by (+3, +22)
    int position = 1;         // 1: Exp and money in regions 1-2, 2: in regions 3-4
    bool windows7Lv = false;  // which level glyph set is drawn

    Look& lookOf(Field f) { return look[static_cast<int>(f)]; }
    Look lookOf(Field f) const { return look[static_cast<int>(f)]; }
};

}  // namespace bm::sim
