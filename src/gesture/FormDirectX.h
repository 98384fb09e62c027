#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <memory>

#include "platform/MouseButtonSource.h"

namespace bm {

struct AppContext;
struct MeasureContext;

// The hidden gesture window: listens to the mouse buttons of the whole
// desktop while gestures are on and hands every notification to the
// gesture commands (gesture/GestureCommands.h), which decide what it does.
class FormDirectX : public QObject {
    Q_OBJECT
public:
    FormDirectX(MeasureContext& m);
    ~FormDirectX() override;

    // Opens the mouse; a failure is logged and told, and gestures stay off.
    void Load();
    // Closes the mouse. Once loaded, the window logs its unloading even when
    // the mouse never opened.
    void Unload();
    bool listening() const { return source_ != nullptr; }

    // One notification of button events, in their order (left?, pressed?).
    void DirectXEvent8_DXCallback(const QList<QPair<bool, bool>>& events);

private:
    MeasureContext& m_;
    AppContext& ctx_;
    std::unique_ptr<MouseButtonSource> source_;
    bool loaded_ = false;
};

}  // namespace bm
