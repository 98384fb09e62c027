#pragma once

#include <cstdint>

#include "SimState.h"

// Plain C++ without Qt, shared with the Win32 stand-in (tools/statusbar-win).

namespace bm::sim {

// One action of a command line.
struct SimAction {
    enum class Kind {
        SetValue,    // field, value
        Hide,        // field
        Show,        // field
        Unreadable,  // field
        Mode,        // flag: full screen
        Position,    // value 1 or 2
        LvSet,       // flag: Windows 7 level glyphs
        FocusAway,
        FocusBack,
        Move,  // x, y
        Close,
    };
    Kind kind = Kind::Close;
    Field field = Field::Lv;
    std::int64_t value = 0;
    bool flag = false;
    int x = 0;
    int y = 0;
};

// Applies the actions that change the drawing; focus, move and close are
// the window's business and are skipped here.
void applyToState(const SimAction& action, SimState& state);

}  // namespace bm::sim
