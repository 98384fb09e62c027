#pragma once

#include <QRect>
#include <vector>

namespace bm {

// Where the main window opens. `window` is its rectangle at the remembered
// place (or where it would open by default when `remembered` is false, on a
// first start); `screen` is the screen's free area, `game` the game
// window's rectangle (empty when there is none) and `statusBar` the game's
// capture regions on the screen.
//
// The window is never wider or taller than the screen. A remembered place
// that leaves the status bar free is kept. Otherwise the window goes beside
// the game window (right, then left) where it fits on the screen, else to
// the screen's right edge, moved off the status bar when it would cover it
// there too.
QRect PlaceMainWindow(const QRect& window, bool remembered, const QRect& screen, const QRect& game,
                      const std::vector<QRect>& statusBar);

}  // namespace bm
