#pragma once

#include <QList>
#include <QPair>

#include "gesture/GestureMatcher.h"

namespace bm {

struct MeasureContext;

// One notification of mouse-button events, in their order (left?, pressed?):
// adds their tokens to the gesture sequence and carries out the gesture they
// complete, if any.
void HandleGestureEvents(MeasureContext& m, const QList<QPair<bool, bool>>& events);

// Carries out a recognised gesture: suspend, resume, screenshot watch on or
// off, capture now (only during a run), or a picture of the whole screen.
// Each is confirmed by its beep rhythm and its log box line; a gesture whose
// state is already set only beeps and logs.
void RunGesture(MeasureContext& m, GestureAction action);

}  // namespace bm
