#pragma once

class QWidget;

namespace bm {

struct AppContext;

// Moves the main window, before it is first shown, off the game window's
// status bar and into the screen (see PlaceMainWindow).
void PlaceMainWindowOnStart(QWidget& window, AppContext& ctx);

}  // namespace bm
