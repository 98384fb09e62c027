#pragma once

#include <QString>
#include <cstdint>

#include "platform/Platform.h"

namespace bm {

struct MeasureContext;

// What the popup has told the player about the game window during the
// current run: that it stays out of the foreground, or that another window
// hides its capture regions. Part of the run state; a new run starts afresh.
struct CaptureNotices {
    enum class Showing { None, Background, Covered };
    // Which of these notices the popup shows (while RunState::PopupShown).
    Showing showing = Showing::None;
    // Since when the due captures have found the game out of the
    // foreground (clock milliseconds), and when they last did.
    bool background = false;
    std::uint32_t backgroundSinceMs = 0;
    std::uint32_t backgroundLastMs = 0;
    // The background notice has been shown during this run.
    bool backgroundTold = false;
    // The covered regions have been written to the debug log during this run.
    bool coveredLogged = false;
};

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
bool CheckCoveredRegions(MeasureContext& m, WindowId game, int layout);

}  // namespace bm
