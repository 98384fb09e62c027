#include "shell/MainWindowPlacement.h"

#include <algorithm>

#include "app/MiniViewPlacement.h"

namespace bm {

namespace {

bool coversAny(const QRect& r, const std::vector<QRect>& rects) {
    return std::any_of(rects.begin(), rects.end(), [&](const QRect& s) { return s.intersects(r); });
}

QRect clampedInto(QRect r, const QRect& screen) {
    r.moveLeft(std::clamp(r.left(), screen.left(), screen.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), screen.top(), screen.bottom() + 1 - r.height()));
    return r;
}

}  // namespace

QRect PlaceMainWindow(const QRect& window, bool remembered, const QRect& screen, const QRect& game,
                      const std::vector<QRect>& statusBar) {
    if (!screen.isValid()) {
        return window;
    }
    const QSize size = window.size().boundedTo(screen.size());
    const QRect here(window.topLeft(), size);
    if (remembered && !coversAny(here, statusBar)) {
        return here;
    }
    if (game.isValid()) {
        const QRect beside[] = {
            clampedInto(QRect(QPoint(game.right() + 1, game.top()), size), screen),
            clampedInto(QRect(QPoint(game.left() - size.width(), game.top()), size), screen),
        };
        for (const QRect& r : beside) {
            if (!r.intersects(game)) {
                return r;
            }
        }
    }
    const QRect edge(QPoint(screen.right() + 1 - size.width(), screen.top()), size);
    if (!coversAny(edge, statusBar)) {
        return edge;
    }
    return clampedInto(QRect(MoveOffRects(edge, statusBar, screen), size), screen);
}

}  // namespace bm
