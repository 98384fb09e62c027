#pragma once

#include <QRect>

namespace bm {

// What the options dialog changes on the main window beside the settings.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // Lays the debug frame in or out.
    virtual void DebugItemDisplay(bool show) = 0;
    // Loads or unloads the gesture window.
    virtual void setGesturesLoaded(bool on) = 0;
    // Creates or releases the graph buffer.
    virtual void setGraphBuffer(bool on) = 0;
    // The main window's left, top, outer width and outer height in pixels.
    virtual QRect mainWindowRect() const = 0;
    // Sets the main window's outer width (its resize rules then apply).
    virtual void setMainWindowWidth(int width) = 0;
    // Applies the remembered window rectangle as the start-up does: all four
    // values when the width is not 0, else only a non-zero left or top.
    virtual void applyRememberedWindowRect() = 0;
    // The level-up and death watch timer.
    virtual void setWatchTimer(int intervalMs, bool enabled) = 0;
    // Shows the main window and brings it forward.
    virtual void showMainWindow() = 0;
};

}  // namespace bm
