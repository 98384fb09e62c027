#include "gesture/BeepPattern.h"

#include <array>

#include "app/AppContext.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "platform/Platform.h"

namespace bm {

void BeepPattern(AppContext& ctx, int g1, int g2, int g3, int g4) {
    if (!ctx.settings.BeepOnCapture || g1 == 0) {
        return;
    }
    const std::array<int, 4> groups = {g1, g2, g3, g4};
    for (size_t i = 0; i < groups.size() && groups[i] != 0; ++i) {
        if (i > 0) {
            WaitMilliseconds(ctx.platform, 500);
        }
        ctx.platform.beep();
        if (groups[i] == 2) {
            WaitMilliseconds(ctx.platform, 50);
            ctx.platform.beep();
        } else if (groups[i] >= 3) {
            WaitMilliseconds(ctx.platform, 100);
            ctx.platform.beep();
        }
    }
}

}  // namespace bm
