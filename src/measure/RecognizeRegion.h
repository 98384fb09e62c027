#pragma once

#include <QString>

namespace bm {

struct AppContext;
class RecognitionView;

// Reads the number of reading `cat` (0 level, 1 Exp, 2 money) out of its
// current pixel string with that reading's reference patterns. `result`
// receives the number without leading zeros, or the empty text when nothing
// valid was read; the view's label shows "NotFind", "認識NG" or the digits as
// read. With LagCancelTime > 0 every scan step pauses that long (the event
// loop keeps running); in debug mode the steps are shown on the label and a
// trace goes to the debug log.
void RecognizeRegion(AppContext& ctx, RecognitionView& view, int cat, QString& result);

}  // namespace bm
