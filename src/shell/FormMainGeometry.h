#pragma once

namespace bm::mainwindow {

// The main window's layout rules, in pixels of the client area (the area
// below the menu bar).
inline constexpr int MinClientHeight = 300;
inline constexpr int WidthWithoutGraph = 488;
inline constexpr int MinWidthWithGraph = 710;
// The graph frame takes all width beyond this.
inline constexpr int GraphReservedWidth = 492;
inline constexpr int GraphLeft = 488;
inline constexpr int GraphTop = 3;
inline constexpr int LogWidth = 465;
inline constexpr int LogLeft = 8;
inline constexpr int LogTop = 120;
// Width the graph switch gives a narrow window, and the width that makes
// the resize rule narrow it again.
inline constexpr int WidthWhenGraphTurnedOn = 800;
inline constexpr int WidthWhenGraphTurnedOff = 600;

}  // namespace bm::mainwindow
