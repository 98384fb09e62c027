#include "settings/OptionRules.h"

#include "app/Settings.h"
#include "app/StandardResolutions.h"

namespace bm {

bool ApplyDisplayOffset(Settings& s, const ScreenTable& screens, int resolution, int side) {
    if (resolution < 0 || resolution >= StandardResolutionCount || side <= screenside::None ||
        side > screenside::Below) {
        return false;
    }
    const ScreenResolution& r = screens.StandardResolutions[resolution];
    s.DisplayOffsetX = side == screenside::Left ? r.Width : 0;
    s.DisplayOffsetY = side == screenside::Above ? r.Height : 0;
    return true;
}

void RememberWindowRect(Settings& s, const QRect& mainWindow) {
    s.WindowLeft = mainWindow.left();
    s.WindowTop = mainWindow.top();
    s.WindowWidth = mainWindow.width();
    s.WindowHeight = mainWindow.height();
}

void DropRememberedWindowRect(Settings& s) {
    s.WindowWidth = 0;
    s.WindowHeight = 0;
    if (!s.MultiDisplay) {
        s.WindowLeft = 0;
        s.WindowTop = 0;
    }
}

void ForgetWindowRect(Settings& s) {
    s.WindowLeft = 0;
    s.WindowTop = 0;
    s.WindowWidth = 0;
    s.WindowHeight = 0;
}

}  // namespace bm
