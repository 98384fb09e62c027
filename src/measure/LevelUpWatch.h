#pragma once

namespace bm {

struct MeasureContext;

// One tick of the level-up and death watch timer: watches while a run is
// active and no capture is running (also while suspended).
void WatchTimerTick(MeasureContext& m);

// Reads the watched Exp from both Exp positions, refreshes the Exp and money
// readings of the known layout and looks for a drop.
void DoHLCheck(MeasureContext& m);

// A drop of the watched Exp after it has been seen rising (a level-up or a
// death) takes a burst of four screenshots, 300 ms apart, and notes it in the
// log box. Once armed the watch stays armed.
void DoHLPrintScreen(MeasureContext& m);

}  // namespace bm
