#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "platform/x11/X11Handles.h"

namespace bm::x11 {

// The atoms the window lookups use, interned once per connection.
struct X11Atoms {
    Atom netWmName = 0;
    Atom utf8String = 0;
    Atom compoundText = 0;
    Atom wmState = 0;
    Atom netActiveWindow = 0;
    Atom netClientList = 0;
    Atom netClientListStacking = 0;
    Atom netSupportingWmCheck = 0;

    static X11Atoms intern(Display* display);
};

// Questions about the window tree of one screen: titles, the top-level
// frame that holds a client, the client inside a frame, the window
// manager's lists. Every call traps X errors: a window that vanishes in
// the middle of a question reads as absent, never as a fatal error.
class X11WindowTree {
public:
    X11WindowTree(Display* display, Window root, const X11Atoms& atoms);

    // Topmost window (in stacking order) whose title equals `title`
    // exactly; 0 when none. Managed clients listed by the window manager
    // come first; the whole tree is walked when none of them matches
    // (no window manager, or an unmanaged window).
    Window findByTitle(const QString& title) const;
    // True while the window exists and its title equals `title` exactly;
    // usually one property read.
    bool hasTitle(Window window, const QString& title) const;
    // The window manager's active window as its root property names it;
    // nullopt when the root carries no such property. One property read.
    std::optional<Window> netActiveWindow() const;
    // The client that holds the input focus; 0 when none.
    Window focusedClient() const;
    // The window the user works in: the window manager's active window,
    // else the client that holds the input focus; 0 when none.
    Window activeClient() const;
    // The child of the root that contains `window` (the window manager's
    // frame, or the window itself without one); 0 when the window is gone.
    Window topLevelOf(Window window) const;
    // The client inside a top-level window: the window carrying WM_STATE
    // at or below it; the top-level window itself when none does.
    Window clientOf(Window topLevel) const;
    // True when an EWMH window manager runs (its check window is alive).
    bool windowManagerRunning() const;
    // True while the window exists.
    bool exists(Window window) const;
    // The window's ancestors, its parent first, the root left out; nullopt
    // when the window is gone.
    std::optional<std::vector<Window>> ancestors(Window window) const;
    // True for an override-redirect window.
    bool overrideRedirect(Window window) const;
    // The child of the root under the pointer; 0 when none.
    Window topLevelUnderPointer() const;
    // True when a mapped child of the root stacked above `topLevel` overlaps
    // the rectangle (root coordinates, right and bottom exclusive).
    bool coveredAbove(Window topLevel, long left, long top, long right, long bottom) const;
    // The window's title (_NET_WM_NAME, else WM_NAME); empty when none.
    QString title(Window window) const;

private:
    struct Property;
    struct TitleKey;
    struct TreeNode {
        Window parent = 0;
        std::vector<Window> children;  // bottom to top
    };

    std::optional<Property> readProperty(Window window, Atom property, Atom type,
                                         long maxLongs) const;
    std::optional<std::vector<Window>> windowList(Window window, Atom property) const;
    std::optional<TreeNode> query(Window window) const;
    std::optional<std::vector<Window>> children(Window window) const;
    bool titleMatches(Window window, const TitleKey& key) const;
    // A text property (STRING, UTF8_STRING or COMPOUND_TEXT) as UTF-8.
    std::optional<QByteArray> utf8Text(const Property& p) const;
    Window findAmongClients(const TitleKey& key) const;
    void collectMatches(Window window, const TitleKey& key, int depth,
                        std::vector<Window>& matches) const;
    bool hasWmState(Window window) const;

    Display* display_;
    Window root_;
    const X11Atoms& atoms_;
};

}  // namespace bm::x11
