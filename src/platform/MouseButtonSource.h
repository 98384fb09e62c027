#pragma once

#include <QObject>
#include <QString>

namespace bm {

// Left and right mouse-button presses and releases of the whole desktop,
// seen also while another program (the game) has the focus and without
// taking them from it. Other buttons, the wheel and movement are not
// reported.
class MouseButtonSource : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        Ok,
        NoInputExtension,  // the input extension is missing or too old
        CannotListen,      // the extension is there but events cannot be selected
    };

    using QObject::QObject;
    ~MouseButtonSource() override = default;

signals:
    // One notification: the buttons' tokens in their order, as pairs of
    // (left?, pressed?) packed into a list of events.
    void buttons(const QList<QPair<bool, bool>>& events);
};

}  // namespace bm
