#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Platform.h"

namespace bm {

// The questions the foreground rule asks of a window system that works like
// X11: a tree of windows under a root, a window manager that may name the
// active window, and an input focus that may follow the pointer.
class WindowTreeQueries {
public:
    struct Focus {
        enum class Kind { Nowhere, FollowsPointer, Window };
        Kind kind = Kind::Nowhere;
        WindowId window = 0;
    };

    virtual ~WindowTreeQueries() = default;
    // The window a running window manager names as active: nullopt when no
    // window manager runs or it names nothing, 0 when it names no window.
    virtual std::optional<WindowId> activeWindow() = 0;
    virtual bool exists(WindowId window) = 0;
    // The window's ancestors, its parent first and the root left out;
    // nullopt when the window is gone.
    virtual std::optional<std::vector<WindowId>> ancestors(WindowId window) = 0;
    // True for a window the window manager leaves alone (override-redirect).
    virtual bool unmanaged(WindowId window) = 0;
    // The input focus. PointerRoot follows the pointer, and so does a focus
    // on the root window: keys then go to the window under the pointer too.
    virtual Focus inputFocus() = 0;
    // The child of the root under the pointer; 0 when none.
    virtual WindowId topLevelUnderPointer() = 0;
};

// Decides whether the game window is in front:
// - the active window is the game or one of its ancestors (a virtual
//   desktop that holds the game);
// - with no active window named (none, 0, or one that has gone), the input
//   focus decides: the game, a window inside it, or an ancestor below the
//   root (the virtual desktop's window, or the frame around the game);
// - an unmanaged game window that holds the focus is in front whatever the
//   window manager names;
// - with the focus at PointerRoot, the top-level window under the pointer.
// The common case, the game named active, costs one question; what the
// other cases need to know of the game window is kept for a while.
class ForegroundRule {
public:
    static constexpr std::uint32_t GameFactsKeptMs = 10000;

    ForegroundVerdict check(WindowTreeQueries& q, WindowId game, std::uint32_t nowMs);

private:
    struct GameFacts {
        WindowId game = 0;
        std::vector<WindowId> ancestors;
        bool unmanaged = false;
        std::uint32_t at = 0;
    };

    const GameFacts* facts(WindowTreeQueries& q, WindowId game, std::uint32_t nowMs);
    static ForegroundVerdict byFocus(WindowTreeQueries& q, const GameFacts& f);

    std::optional<GameFacts> facts_;
};

}  // namespace bm
