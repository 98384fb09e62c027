#pragma once

#include <QString>

namespace bm {

struct MeasureContext;

// Modes of DisplayResult.
enum class DisplayMode : int { Update = 0, Clear = 1, Start = 512, Summary = 1024 };

// Keeps the result panel up to date: Clear empties it, Start takes the
// current readings as the start values, Summary writes the run's summary into
// the log box (only while a run is active), Update and any other value show
// the latest readings and the increases since the start.
void DisplayResult(MeasureContext& m, DisplayMode mode);

// The text a result label shows for a number computed from label texts:
// whole values without decimals, others with up to four.
QString PanelNumberText(double value);

}  // namespace bm
