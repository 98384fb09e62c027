#include "shell/MainWindowStart.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/AppContext.h"
#include "app/GameWindow.h"
#include "app/MiniViewPlacement.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "shell/FormMainGeometry.h"
#include "shell/MainWindowPlacement.h"

namespace bm {

void PlaceMainWindowOnStart(QWidget& window, AppContext& ctx) {
    const Settings& s = ctx.settings;
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const bool remembered = s.WindowWidth != 0 || s.WindowLeft != 0 || s.WindowTop != 0;
    const WindowId game = FindGameWindow(ctx.platform, ctx.run.GameWindow, s.SearchWindowName);
    QRect gameRect;
    if (const auto r = game == 0 ? std::nullopt : ctx.platform.windowRect(game)) {
        gameRect = QRect(r->left, r->top, r->width(), r->height());
    }
    // The graph widens the window as soon as it is shown.
    QSize size = window.size();
    if (s.GraphShow) {
        size.setWidth(std::max(size.width(), mainwindow::MinWidthWithGraph));
    }
    const QRect placed =
        PlaceMainWindow(QRect(window.pos(), size), remembered, screen->availableGeometry(),
                        gameRect, CaptureRectsOnScreen(ctx.platform, game, s));
    window.move(placed.topLeft());
    window.resize(placed.size());
}

}  // namespace bm
