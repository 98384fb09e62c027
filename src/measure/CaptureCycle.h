#pragma once

namespace bm {

struct MeasureContext;

// One tick of the 10-second capture timer: captures when the next capture
// is due and a run is active; with no run active it switches the timer off.
void CaptureTimerTick(MeasureContext& m);

// Finds the game window, reads level, Exp and money from its capture regions
// and hands the readings to the measurement step. A missing window shows the
// popup; a window behind others postpones the capture by 15 seconds (and
// after a minute of that the popup says why); failed readings from regions
// that another window covers are retried in 15 seconds instead of measured.
void CaptureImage(MeasureContext& m);

}  // namespace bm
