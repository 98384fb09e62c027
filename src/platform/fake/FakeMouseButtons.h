#pragma once

#include <QList>
#include <QPair>

#include "platform/MouseButtonSource.h"

namespace bm {

// A mouse-button source the test drives: each call is one notification of
// button events, delivered at once to whoever listens.
class FakeMouseButtons : public MouseButtonSource {
public:
    using MouseButtonSource::MouseButtonSource;

    // One notification with the given events (left?, pressed?) in order.
    void send(const QList<QPair<bool, bool>>& events);
    // One click (press and release) of the left or right button, as one
    // notification.
    void click(bool left);
    // Both buttons pressed together and released together, as two
    // notifications: left down, right down; then left up, right up.
    void clickBoth();
};

}  // namespace bm
