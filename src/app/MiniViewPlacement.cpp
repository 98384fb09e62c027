#include "app/MiniViewPlacement.h"

#include <algorithm>
#include <limits>

#include "app/Settings.h"
#include "platform/Platform.h"

namespace bm {

namespace {

bool coversAny(const QRect& view, const std::vector<QRect>& avoid) {
    return std::any_of(avoid.begin(), avoid.end(),
                       [&](const QRect& r) { return r.intersects(view); });
}

}  // namespace

std::vector<QRect> CaptureRectsOnScreen(Platform& platform, WindowId game,
                                        const Settings& settings) {
    std::vector<QRect> rects;
    const auto origin = game == 0 ? std::nullopt : platform.clientOrigin(game);
    if (!origin) {
        return rects;
    }
    for (const CaptureRect& r : settings.CaptureRect) {
        if (r.Width > 0 && r.Height > 0) {
            rects.emplace_back(origin->x() + r.X, origin->y() + r.Y, r.Width, r.Height);
        }
    }
    return rects;
}

QPoint MoveOffRects(const QRect& view, const std::vector<QRect>& avoid, const QRect& bounds) {
    if (!coversAny(view, avoid)) {
        return view.topLeft();
    }
    const QPoint here = view.topLeft();
    QPoint best;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const QRect& r : avoid) {
        const QPoint candidates[] = {
            {here.x(), r.top() - view.height()},  // above
            {here.x(), r.bottom() + 1},           // below
            {r.left() - view.width(), here.y()},  // left
            {r.right() + 1, here.y()},            // right
        };
        for (const QPoint& p : candidates) {
            const QRect moved(p, view.size());
            if (coversAny(moved, avoid) || (bounds.isValid() && !bounds.contains(moved))) {
                continue;
            }
            const long long dx = p.x() - here.x();
            const long long dy = p.y() - here.y();
            const long long distance = dx * dx + dy * dy;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = p;
            }
        }
    }
    if (bestDistance != std::numeric_limits<long long>::max()) {
        return best;
    }
    int lowest = std::numeric_limits<int>::min();
    for (const QRect& r : avoid) {
        lowest = std::max(lowest, r.bottom() + 1);
    }
    return {here.x(), lowest};
}

}  // namespace bm
