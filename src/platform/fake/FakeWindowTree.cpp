#include "platform/fake/FakeWindowTree.h"

namespace bm {

std::optional<WindowId> FakeWindowTree::activeWindow() {
    ++questions;
    return active;
}

bool FakeWindowTree::exists(WindowId window) {
    ++questions;
    return windows_.count(window) != 0;
}

std::optional<std::vector<WindowId>> FakeWindowTree::ancestors(WindowId window) {
    ++questions;
    std::vector<WindowId> up;
    for (auto it = windows_.find(window); it != windows_.end() && it->second.parent != 0;
         it = windows_.find(it->second.parent)) {
        up.push_back(it->second.parent);
    }
    if (windows_.count(window) == 0) {
        return std::nullopt;
    }
    return up;
}

bool FakeWindowTree::unmanaged(WindowId window) {
    ++questions;
    const auto it = windows_.find(window);
    return it != windows_.end() && it->second.unmanaged;
}

WindowTreeQueries::Focus FakeWindowTree::inputFocus() {
    ++questions;
    return focus;
}

WindowId FakeWindowTree::topLevelUnderPointer() {
    ++questions;
    return underPointer;
}

}  // namespace bm
