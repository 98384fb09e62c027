#include "platform/x11/X11WindowTree.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <deque>

#include "platform/x11/X11ErrorTrap.h"

namespace bm::x11 {

namespace {
// Bounds that keep a malformed or hostile tree from stalling a lookup.
constexpr int MaxTreeDepth = 32;
constexpr int MaxClientSearch = 256;
constexpr long MaxWmNameLongs = 16384;
}  // namespace

struct X11WindowTree::Property {
    XPtr<unsigned char> data;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    bool truncated = false;

    QByteArray bytes() const {
        return QByteArray(reinterpret_cast<const char*>(data.get()), static_cast<qsizetype>(count));
    }
};

// The searched title in the encodings a title property may use.
struct X11WindowTree::TitleKey {
    QByteArray utf8;
    std::optional<QByteArray> latin1;  // when the title fits in Latin-1

    explicit TitleKey(const QString& title) : utf8(title.toUtf8()) {
        const QByteArray l1 = title.toLatin1();
        if (QString::fromLatin1(l1) == title) {
            latin1 = l1;
        }
    }
};

X11Atoms X11Atoms::intern(Display* display) {
    const char* names[] = {"_NET_WM_NAME",
                           "UTF8_STRING",
                           "COMPOUND_TEXT",
                           "WM_STATE",
                           "_NET_ACTIVE_WINDOW",
                           "_NET_CLIENT_LIST",
                           "_NET_CLIENT_LIST_STACKING",
                           "_NET_SUPPORTING_WM_CHECK"};
    constexpr int count = sizeof(names) / sizeof(names[0]);
    Atom atoms[count] = {};
    X11Atoms a;
    X11ErrorTrap trap(display, X11ErrorTrap::Mode::RepliesOnly);
    if (XInternAtoms(display, const_cast<char**>(names), count, False, atoms) == 0) {
        return a;
    }
    a.netWmName = atoms[0];
    a.utf8String = atoms[1];
    a.compoundText = atoms[2];
    a.wmState = atoms[3];
    a.netActiveWindow = atoms[4];
    a.netClientList = atoms[5];
    a.netClientListStacking = atoms[6];
    a.netSupportingWmCheck = atoms[7];
    return a;
}

X11WindowTree::X11WindowTree(Display* display, Window root, const X11Atoms& atoms)
    : display_(display), root_(root), atoms_(atoms) {}

std::optional<X11WindowTree::Property> X11WindowTree::readProperty(Window window, Atom property,
                                                                   Atom type, long maxLongs) const {
    Property p;
    unsigned char* data = nullptr;
    unsigned long after = 0;
    X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
    const int status = XGetWindowProperty(display_, window, property, 0, maxLongs, False, type,
                                          &p.type, &p.format, &p.count, &after, &data);
    p.data.reset(data);
    if (status != Success || trap.caught() || p.type == 0) {
        return std::nullopt;
    }
    p.truncated = after > 0;
    return p;
}

std::optional<std::vector<Window>> X11WindowTree::windowList(Window window, Atom property) const {
    auto p = readProperty(window, property, XA_WINDOW, 65536);
    if (!p || p->type != XA_WINDOW || p->format != 32) {
        return std::nullopt;
    }
    // Format-32 property data comes as an array of long.
    const auto* items = reinterpret_cast<const unsigned long*>(p->data.get());
    return std::vector<Window>(items, items + p->count);
}

std::optional<X11WindowTree::TreeNode> X11WindowTree::query(Window window) const {
    Window rootReturn = 0;
    Window parent = 0;
    Window* kids = nullptr;
    unsigned int count = 0;
    X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
    const Status ok = XQueryTree(display_, window, &rootReturn, &parent, &kids, &count);
    XPtr<Window> owned(kids);
    if (ok == 0 || trap.caught()) {
        return std::nullopt;
    }
    return TreeNode{parent, std::vector<Window>(kids, kids + count)};  // bottom to top
}

std::optional<std::vector<Window>> X11WindowTree::children(Window window) const {
    auto node = query(window);
    if (!node) {
        return std::nullopt;
    }
    return std::move(node->children);
}

bool X11WindowTree::windowManagerRunning() const {
    const auto check = windowList(root_, atoms_.netSupportingWmCheck);
    if (!check || check->empty() || (*check)[0] == 0) {
        return false;
    }
    // A window manager that has gone leaves the root property behind; its
    // check window then no longer exists or no longer points to itself.
    const auto self = windowList((*check)[0], atoms_.netSupportingWmCheck);
    return self && !self->empty() && (*self)[0] == (*check)[0];
}

bool X11WindowTree::titleMatches(Window window, const TitleKey& key) const {
    const long netLongs = static_cast<long>(key.utf8.size() / 4 + 2);
    if (auto p = readProperty(window, atoms_.netWmName, atoms_.utf8String, netLongs)) {
        if (p->type == atoms_.utf8String && p->format == 8) {
            return !p->truncated && p->bytes() == key.utf8;
        }
    }
    auto p = readProperty(window, XA_WM_NAME, AnyPropertyType, MaxWmNameLongs);
    if (!p || p->format != 8 || p->truncated) {
        return false;
    }
    if (p->type == XA_STRING) {
        return key.latin1 && p->bytes() == *key.latin1;
    }
    const auto text = utf8Text(*p);
    return text && *text == key.utf8;
}

std::optional<QByteArray> X11WindowTree::utf8Text(const Property& p) const {
    if (p.format != 8) {
        return std::nullopt;
    }
    if (p.type == XA_STRING) {
        return QString::fromLatin1(p.bytes()).toUtf8();
    }
    if (p.type == atoms_.utf8String) {
        return p.bytes();
    }
    if (p.type != atoms_.compoundText) {
        return std::nullopt;
    }
    XTextProperty text{p.data.get(), p.type, p.format, p.count};
    char** list = nullptr;
    int n = 0;
    if (Xutf8TextPropertyToTextList(display_, &text, &list, &n) < Success || list == nullptr) {
        return std::nullopt;
    }
    QByteArray joined;
    for (int i = 0; i < n; ++i) {
        joined += list[i];
    }
    XFreeStringList(list);
    return joined;
}

Window X11WindowTree::findByTitle(const QString& title) const {
    const TitleKey key(title);
    if (windowManagerRunning()) {
        if (const Window w = findAmongClients(key)) {
            return w;
        }
    }
    std::vector<Window> matches;
    if (const auto top = children(root_)) {
        for (const Window w : *top) {
            collectMatches(w, key, 1, matches);
        }
    }
    // Pre-order over children listed bottom to top: every window comes
    // after the windows it covers, so the last match is the topmost.
    return matches.empty() ? 0 : matches.back();
}

QString X11WindowTree::title(Window window) const {
    if (auto p = readProperty(window, atoms_.netWmName, atoms_.utf8String, MaxWmNameLongs)) {
        if (p->type == atoms_.utf8String && p->format == 8) {
            return QString::fromUtf8(p->bytes());
        }
    }
    const auto p = readProperty(window, XA_WM_NAME, AnyPropertyType, MaxWmNameLongs);
    const auto text = p ? utf8Text(*p) : std::nullopt;
    return text ? QString::fromUtf8(*text) : QString();
}

bool X11WindowTree::hasTitle(Window window, const QString& title) const {
    return window != 0 && titleMatches(window, TitleKey(title));
}

Window X11WindowTree::findAmongClients(const TitleKey& key) const {
    if (const auto stacking = windowList(root_, atoms_.netClientListStacking)) {
        for (auto it = stacking->rbegin(); it != stacking->rend(); ++it) {
            if (titleMatches(*it, key)) {
                return *it;
            }
        }
        return 0;
    }
    const auto clients = windowList(root_, atoms_.netClientList);
    if (!clients) {
        return 0;
    }
    std::vector<Window> matches;
    for (const Window w : *clients) {
        if (titleMatches(w, key)) {
            matches.push_back(w);
        }
    }
    if (matches.size() <= 1) {
        return matches.empty() ? 0 : matches.front();
    }
    // The list is in mapping order; rank the matches by their frames'
    // place among the root's children (bottom to top).
    const auto order = children(root_);
    if (!order) {
        return matches.back();
    }
    Window best = 0;
    long bestRank = -1;
    for (const Window w : matches) {
        const Window top = topLevelOf(w);
        for (size_t i = 0; i < order->size(); ++i) {
            if ((*order)[i] == top && static_cast<long>(i) >= bestRank) {
                bestRank = static_cast<long>(i);
                best = w;
            }
        }
    }
    return best;
}

void X11WindowTree::collectMatches(Window window, const TitleKey& key, int depth,
                                   std::vector<Window>& matches) const {
    if (titleMatches(window, key)) {
        matches.push_back(window);
    }
    if (depth >= MaxTreeDepth) {
        return;
    }
    if (const auto kids = children(window)) {
        for (const Window w : *kids) {
            collectMatches(w, key, depth + 1, matches);
        }
    }
}

Window X11WindowTree::topLevelOf(Window window) const {
    for (int depth = 0; depth < MaxTreeDepth && window != 0 && window != root_; ++depth) {
        const auto node = query(window);
        if (!node) {
            return 0;
        }
        if (node->parent == root_) {
            return window;
        }
        window = node->parent;
    }
    return 0;
}

bool X11WindowTree::exists(Window window) const {
    return window != 0 && query(window).has_value();
}

std::optional<std::vector<Window>> X11WindowTree::ancestors(Window window) const {
    std::vector<Window> up;
    for (int depth = 0; depth < MaxTreeDepth && window != root_; ++depth) {
        const auto node = query(window);
        if (!node) {
            return std::nullopt;
        }
        if (node->parent != root_ && node->parent != 0) {
            up.push_back(node->parent);
        }
        window = node->parent;
        if (window == 0) {
            break;
        }
    }
    return up;
}

bool X11WindowTree::overrideRedirect(Window window) const {
    XWindowAttributes a{};
    X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
    return XGetWindowAttributes(display_, window, &a) != 0 && !trap.caught() &&
           a.override_redirect != 0;
}

Window X11WindowTree::topLevelUnderPointer() const {
    Window rootReturn = 0;
    Window child = 0;
    int rx = 0;
    int ry = 0;
    int wx = 0;
    int wy = 0;
    unsigned int mask = 0;
    X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
    if (XQueryPointer(display_, root_, &rootReturn, &child, &rx, &ry, &wx, &wy, &mask) == 0 ||
        trap.caught()) {
        return 0;
    }
    return child;
}

bool X11WindowTree::coveredAbove(Window topLevel, long left, long top, long right,
                                 long bottom) const {
    const auto stack = children(root_);
    if (!stack) {
        return false;
    }
    const auto self = std::find(stack->begin(), stack->end(), topLevel);
    if (self == stack->end()) {
        return false;
    }
    for (auto it = self + 1; it != stack->end(); ++it) {
        XWindowAttributes a{};
        X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
        if (XGetWindowAttributes(display_, *it, &a) == 0 || trap.caught() ||
            a.map_state != IsViewable || a.c_class == InputOnly) {
            continue;
        }
        const long l = a.x;
        const long t = a.y;
        const long r = l + a.width + 2L * a.border_width;
        const long b = t + a.height + 2L * a.border_width;
        if (l < right && left < r && t < bottom && top < b) {
            return true;
        }
    }
    return false;
}

bool X11WindowTree::hasWmState(Window window) const {
    return readProperty(window, atoms_.wmState, atoms_.wmState, 2).has_value();
}

Window X11WindowTree::clientOf(Window topLevel) const {
    std::deque<Window> queue{topLevel};
    for (int visited = 0; !queue.empty() && visited < MaxClientSearch; ++visited) {
        const Window w = queue.front();
        queue.pop_front();
        if (hasWmState(w)) {
            return w;
        }
        if (const auto kids = children(w)) {
            queue.insert(queue.end(), kids->begin(), kids->end());
        }
    }
    // Nobody set WM_STATE: no window manager manages this window, so the
    // top-level window is the client itself.
    return topLevel;
}

std::optional<Window> X11WindowTree::netActiveWindow() const {
    const auto active = windowList(root_, atoms_.netActiveWindow);
    if (!active) {
        return std::nullopt;
    }
    return active->empty() ? 0 : (*active)[0];
}

Window X11WindowTree::activeClient() const {
    if (windowManagerRunning()) {
        if (const auto w = netActiveWindow()) {
            // The property may still name a window that has just been
            // destroyed; the input focus tells then.
            if (*w == 0 || query(*w)) {
                return *w;
            }
        }
    }
    return focusedClient();
}

Window X11WindowTree::focusedClient() const {
    Window focus = 0;
    int revertTo = 0;
    {
        X11ErrorTrap trap(display_, X11ErrorTrap::Mode::RepliesOnly);
        XGetInputFocus(display_, &focus, &revertTo);
        if (trap.caught()) {
            return 0;
        }
    }
    if (focus == None || focus == PointerRoot || focus == root_) {
        return 0;
    }
    const Window top = topLevelOf(focus);
    return top == 0 ? 0 : clientOf(top);
}

}  // namespace bm::x11
