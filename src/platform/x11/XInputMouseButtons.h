#pragma once

#include <memory>

#include "platform/MouseButtonSource.h"

class QSocketNotifier;

namespace bm {

// Raw button events (XInput2 version 2.2) on the root window, read on a
// connection of their own through a socket notifier. Raw events reach every
// listener, also while the game holds a pointer grab, and are not taken
// away from the window under the pointer.
class XInputMouseButtons : public MouseButtonSource {
    Q_OBJECT
public:
    explicit XInputMouseButtons(QObject* parent = nullptr);
    ~XInputMouseButtons() override;

    // Opens the connection and starts listening; on failure says why.
    Failure open();

private:
    void drain();

    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace bm
