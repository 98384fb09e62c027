#pragma once

#include <map>

#include "platform/ForegroundRule.h"

namespace bm {

// A scripted window tree for the foreground rule's unit tests: windows with
// a parent (0 = a child of the root), an active window as a window manager
// would name it, the input focus and the top-level window under the
// pointer. It counts the questions asked.
class FakeWindowTree : public WindowTreeQueries {
public:
    void add(WindowId window, WindowId parent = 0, bool unmanaged = false) {
        windows_[window] = {parent, unmanaged};
    }
    void remove(WindowId window) { windows_.erase(window); }

    std::optional<WindowId> active;  // nullopt: no window manager, or no name
    Focus focus;
    WindowId underPointer = 0;
    int questions = 0;

    std::optional<WindowId> activeWindow() override;
    bool exists(WindowId window) override;
    std::optional<std::vector<WindowId>> ancestors(WindowId window) override;
    bool unmanaged(WindowId window) override;
    Focus inputFocus() override;
    WindowId topLevelUnderPointer() override;

private:
    struct Node {
        WindowId parent = 0;
        bool unmanaged = false;
    };
    std::map<WindowId, Node> windows_;
};

}  // namespace bm
