#pragma once

#include <QString>
#include <cstdint>

#include "app/CaptureNotices.h"
#include "app/RunState.h"
#include "platform/Platform.h"

namespace bm {

struct MeasureContext;

// The popup texts.
extern const QString CoveredRegionsPopup;
QString BackgroundPopupText(ForegroundReason reason, const QString& otherTitle);

// The game window was found: a popup about something else (a missing
// window, the record folder) goes, a notice about the game window stays
// while its cause lasts.
void HidePopupOnWindowFound(MeasureContext& m);
// A missing game window takes the popup over from a notice.
bool PopupFreeForMissingWindow(const MeasureContext& m);

// A due capture found the game behind another window: after more than a
// minute of that during a run, the popup says so once, and why.
void NoteBackground(MeasureContext& m, const ForegroundVerdict& verdict);
// The game is in front: the background notice goes.
void NoteInFront(MeasureContext& m);

// After the regions of a capture have been read: when a reading failed and
// another window lies over one of the regions it came from, the capture is
// retried soon instead of counting as a failed read, the debug log says so
// once per run and the popup shows it; returns true then. `layout` is the
// layout the capture started with (it names the regions that were read).
bool CheckCoveredRegions(MeasureContext& m, WindowId game, Layout layout);

}  // namespace bm
