#pragma once

#include <QString>
#include <array>
#include <optional>

namespace bm {

struct RunState;

// What a recognised mouse-button gesture asks for.
enum class GestureAction {
    Suspend,      // left, right, left, left
    Resume,       // left, right, left, right
    WatchOn,      // right, left, left, left
    WatchOff,     // right, left, left, right
    CaptureNow,   // right x4
    PrintScreen,  // both buttons together, twice
};

struct GestureRow {
    GestureAction action;
    std::array<int, 4> beepRhythm;  // beep groups; 0 ends the rhythm
    const char* logLine;            // UTF-8, shown in the log box after a CR LF
};

// The row of each action (rhythm and log box line).
const GestureRow& gestureRow(GestureAction action);

// Token of one button event: "Ld"/"Lu" for the left button, "Rd"/"Ru" for the
// right one; any other button gives the empty text.
enum class MouseButton { Left, Right, Other };
QString gestureToken(MouseButton button, bool pressed);

// Collects the tokens of quick successive clicks in run.GestureSequence
// (at most the last 20 characters) and matches them against the gesture
// table once 16 characters are there. A pause of GestureWaitTime or more
// between two notifications starts a new gesture. A match empties the
// sequence; no match leaves it as it is.
//
// `tokens` are the tokens of one notification in their order; `nowMs` the
// millisecond clock when the notification is handled and `afterMs` the clock
// read again afterwards (kept as the time of the last notification).
std::optional<GestureAction> FeedGesture(RunState& run, int gestureWaitTimeMs,
                                         const QString& tokens, double nowMs, double afterMs);

}  // namespace bm
