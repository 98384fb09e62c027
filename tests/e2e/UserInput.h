#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include "platform/Platform.h"

namespace bm {
class X11Platform;
}

namespace bm::test {

// What a user does with the keyboard and the mouse, sent with xdotool to the
// X display in DISPLAY: the events reach the program as real input through
// the X server and the window manager.
class UserInput {
public:
    explicit UserInput(X11Platform& x11) : x11_(x11) {}

    // Presses and releases keys one after the other ("alt", "Down",
    // "Return", "alt+F4"), to the window that has the focus.
    bool keys(const QStringList& keys);
    // Types text into the control that has the focus.
    bool type(const QString& text);
    // A left click at a point of the window's client area.
    bool click(WindowId window, QPoint point);
    // A left click on the close button of the window manager's title bar
    // (openbox: the rightmost button).
    bool clickCloseBox(WindowId window);

    // The top-level window with this title when it is on the screen, else 0.
    WindowId shownWindow(const QString& title);
    // The top-level window with this title once it is shown; 0 after the
    // timeout.
    WindowId waitForWindow(const QString& title, int timeoutMs = 15000);
    // True once no window with this title is shown.
    bool waitForNoWindow(const QString& title, int timeoutMs = 15000);
    // Gives the window the focus as a click on it would; waits until it has it.
    bool focus(WindowId window, int timeoutMs = 5000);
    // The size of the window's client area; empty when it is gone.
    QSize clientSize(WindowId window);

private:
    X11Platform& x11_;
};

}  // namespace bm::test
