#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

#include "platform/Platform.h"

namespace bm {

struct Settings;

// The five capture rectangles of the game window `game` in screen
// coordinates (through the client area's origin); empty when there is no
// game window (0) or its client origin is unknown.
std::vector<QRect> CaptureRectsOnScreen(Platform& platform, WindowId game,
                                        const Settings& settings);

// Where a window of rectangle `view` must go so that it covers none of
// `avoid`: its own position when it covers none, else the nearest position
// just beside one of them that covers none and stays inside `bounds` (when
// `bounds` is valid). Falls back to just below the lowest rectangle.
QPoint MoveOffRects(const QRect& view, const std::vector<QRect>& avoid, const QRect& bounds);

}  // namespace bm
