#pragma once

namespace bm {

struct Settings;
class DebugLog;

// Brings every numeric value of the settings record inside the range the
// program can work with: the bounds the numeric input dialog enforces where
// it edits the value, and safe ranges for the values only the file holds
// (binarisation, glyph sizes, the remembered window rectangle). Each value
// moved writes one "Setting Clamped : " line to the debug log. Regions 3 and
// 4 take their sizes from regions 1 and 2 again afterwards. Returns the
// number of values moved.
int BoundSettings(Settings& s, DebugLog& log);

}  // namespace bm
