#pragma once

#include <QString>

#include "platform/Platform.h"

namespace bm {

// The game window found last and the title it was found by.
struct GameWindowCache {
    WindowId window = 0;
    QString title;
};

// The top-level window titled `title`: the window found last while it still
// exists and still carries that title (one question to the window system),
// else the result of a new lookup, which is kept for the next call. A window
// closed and opened again, or one whose title changed, is looked up afresh.
WindowId FindGameWindow(Platform& platform, GameWindowCache& cache, const QString& title);

}  // namespace bm
