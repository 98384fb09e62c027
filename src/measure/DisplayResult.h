#pragma once

#include <QString>

namespace bm {

struct MeasureContext;

// Modes of DisplayResult.
namespace display {
inline constexpr int Clear = 1;
inline constexpr int Update = 0;
inline constexpr int Start = 512;
inline constexpr int Summary = 1024;
}  // namespace display

// Keeps the result panel up to date: 1 clears it, 512 takes the current
// readings as the start values, 1024 writes the run's summary into the log
// box (only while a run is active), 0 and any other value show the latest
// readings and the increases since the start.
void DisplayResult(MeasureContext& m, int mode);

// The text a result label shows for a number computed from label texts:
// whole values without decimals, others with up to four.
QString PanelNumberText(double value);

}  // namespace bm
