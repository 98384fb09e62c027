#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

#include "platform/Platform.h"

namespace bm {

struct MeasureContext;

// The question asked when the regions read only after the shift by Wine's
// frame, and the title of its box.
extern const QString WineFrameQuestion;
extern const QString WineFrameTitle;

// How far Wine's own frame moves the game's client area inside its X
// window: a window of a Windows program (its WM_CLASS ends in ".exe") that
// the window manager does not decorate is drawn by Wine with its Win32 border
// and caption, (3, 22) at 96 dpi with the caption scaled. nullopt for any
// other window.
std::optional<QPoint> WineFrameShift(const std::optional<WindowFraming>& framing);

// After a capture in which no region could be read: when the game window is
// framed by Wine itself and the player has not been asked yet, reads again
// (`readAll`, true when every reading succeeded) with all five regions
// shifted by Wine's frame. When that reads, asks the player once whether to
// keep the shift: Yes keeps the shifted regions (in memory; 保存 in the
// options dialog writes them) and the readings; No, or a read that still
// fails, puts regions, layout and readings back. True when the shifted
// readings stand.
bool TryWineFrameShift(MeasureContext& m, WindowId game, const std::function<bool()>& readAll);

}  // namespace bm
