#pragma once

namespace bm {

struct MeasureContext;

// The main window's measuring commands; the window calls these from its
// menu items and buttons.

// menuRun: starts a run and clears a suspension.
void RunMenuCommand(MeasureContext& m);
// menuStop: shows the run's summary, stops the run and clears a suspension.
void StopMenuCommand(MeasureContext& m);
// cmdTempStop: suspends or resumes; a resume captures after 10 seconds.
void TempStopCommand(MeasureContext& m);
// cmdCapture: after 10 seconds (time to bring the game to the front), one
// capture.
void TestCaptureCommand(MeasureContext& m);
// cmdRecognize: recognises the pixel strings already stored and shows how
// long that took in lblElapse.
void TestRecognizeCommand(MeasureContext& m);

}  // namespace bm
