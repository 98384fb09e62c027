#include "platform/ForegroundRule.h"

#include <algorithm>

namespace bm {

namespace {

bool contains(const std::vector<WindowId>& windows, WindowId w) {
    return std::find(windows.begin(), windows.end(), w) != windows.end();
}

constexpr ForegroundVerdict InFront{ForegroundReason::InFront, 0};

}  // namespace

const ForegroundRule::GameFacts* ForegroundRule::facts(WindowTreeQueries& q, WindowId game,
                                                       std::uint32_t nowMs) {
    if (facts_ && facts_->game == game && nowMs - facts_->at < GameFactsKeptMs) {
        return &*facts_;
    }
    auto ancestors = q.ancestors(game);
    if (!ancestors) {
        facts_.reset();
        return nullptr;
    }
    facts_ = GameFacts{game, std::move(*ancestors), q.unmanaged(game), nowMs};
    return &*facts_;
}

ForegroundVerdict ForegroundRule::check(WindowTreeQueries& q, WindowId game, std::uint32_t nowMs) {
    if (game == 0) {
        return {};
    }
    const auto active = q.activeWindow();
    if (active && *active == game) {
        return InFront;
    }
    const GameFacts* f = facts(q, game, nowMs);
    if (f == nullptr) {
        return {};  // the game window has gone
    }
    if (active && *active != 0) {
        if (contains(f->ancestors, *active)) {
            return InFront;
        }
        if (q.exists(*active)) {
            if (f->unmanaged) {
                const ForegroundVerdict v = byFocus(q, *f);
                if (v.inFront()) {
                    return v;
                }
            }
            return {ForegroundReason::OtherWindowActive, *active};
        }
    }
    return byFocus(q, *f);
}

ForegroundVerdict ForegroundRule::byFocus(WindowTreeQueries& q, const GameFacts& f) {
    const WindowTreeQueries::Focus focus = q.inputFocus();
    switch (focus.kind) {
        case WindowTreeQueries::Focus::Kind::Nowhere:
            return {};
        case WindowTreeQueries::Focus::Kind::FollowsPointer: {
            const WindowId gameTop = f.ancestors.empty() ? f.game : f.ancestors.back();
            const WindowId under = q.topLevelUnderPointer();
            if (under == gameTop) {
                return InFront;
            }
            return {ForegroundReason::PointerElsewhere, under};
        }
        case WindowTreeQueries::Focus::Kind::Window:
            break;
    }
    if (focus.window == f.game || contains(f.ancestors, focus.window)) {
        return InFront;
    }
    if (const auto up = q.ancestors(focus.window); up && contains(*up, f.game)) {
        return InFront;
    }
    return {ForegroundReason::FocusElsewhere, focus.window};
}

}  // namespace bm
