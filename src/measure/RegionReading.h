#pragma once

#include <QString>
#include <cstdint>

#include "app/Currency.h"
#include "platform/Platform.h"

namespace bm {

struct MeasureContext;

// Captures `region` of the game window with the threshold and mask of
// `reading`, copies the pixel string into the reading's slot when the region
// is a second position (3 or 4), and recognises it. Returns the digits read;
// empty when nothing valid was read.
QString ReadRegion(MeasureContext& m, WindowId window, int region, int reading);
// Recognises the pixel string already stored for `reading`.
QString RecognizeStored(MeasureContext& m, int reading);

// A recognition result as a level: -1 when empty or out of range.
std::int32_t LevelFromResult(const QString& result);
// A recognition result as an Exp or money reading: -1 when empty or out of range.
Currency ReadingFromResult(const QString& result);

}  // namespace bm
