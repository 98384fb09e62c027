#include "app/GameWindow.h"

namespace bm {

WindowId FindGameWindow(Platform& platform, GameWindowCache& cache, const QString& title) {
    if (cache.window != 0 && cache.title == title && platform.hasTitle(cache.window, title)) {
        return cache.window;
    }
    cache.window = platform.findWindowByTitle(title);
    cache.title = title;
    return cache.window;
}

}  // namespace bm
