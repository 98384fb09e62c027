#pragma once

#include <QRect>

namespace bm {

struct Settings;
struct ScreenTable;

// Directions of the second screen in the options dialog's position list;
// index 0 is the neutral entry "サブ画面位置".
namespace screenside {
inline constexpr int None = 0;
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Above = 3;
inline constexpr int Below = 4;
}  // namespace screenside

// Sets the capture regions' offset for a second screen of the standard
// resolution `resolution` (index into the table) at `side`: left of the main
// screen shifts by its width, above by its height, right and below by
// nothing. Returns false and changes nothing unless both a resolution and a
// side are chosen.
bool ApplyDisplayOffset(Settings& s, const ScreenTable& screens, int resolution, int side);

// Remembers the main window's left, top, outer width and outer height.
void RememberWindowRect(Settings& s, const QRect& mainWindow);

// The window position is no longer remembered: the size is dropped, and the
// position too unless the second-screen setting keeps it.
void DropRememberedWindowRect(Settings& s);

// Forgets position and size.
void ForgetWindowRect(Settings& s);

}  // namespace bm
