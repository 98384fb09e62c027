#pragma once

#include <QImage>
#include <functional>

namespace bm {

struct AppContext;
struct MeasureContext;

// The print-screen command: after 10 seconds (time to bring the game to the
// front) the window in front is saved under the record folder's "ss" folder
// as "PrtScr_yyyymmddhhmmss" in the chosen image format.
void PrintScreenCommand(MeasureContext& m);

// The pattern-save command: the region previews, in order, as
// "Capture<n>_mmddhhmmss.bmp" in the program folder; it stops at the first
// preview that holds no picture.
void PatternSaveCommand(MeasureContext& m);

// The options dialog's region capture: after 10 seconds, each of the five
// capture regions of the window in front is shown through `showPreview` and
// saved like the pattern-save command does.
void RegionCaptureAndSave(AppContext& ctx,
                          const std::function<void(int, const QImage&)>& showPreview);

}  // namespace bm
