#pragma once

#include <cstdint>

namespace bm {

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

}  // namespace bm
