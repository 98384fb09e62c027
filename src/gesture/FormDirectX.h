#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <memory>

#include "gesture/GestureMatcher.h"
#include "platform/MouseButtonSource.h"

namespace bm {

struct AppContext;
class FormMain;

// The hidden gesture window: listens to the mouse buttons of the whole
// desktop while gestures are on, and carries out the recognised gestures
// on the main window (suspend, resume, screenshot watch, capture now,
// screenshot), each confirmed by a beep rhythm and a log box line.
class FormDirectX : public QObject {
    Q_OBJECT
public:
    FormDirectX(AppContext& ctx, FormMain& main);
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
    void run(GestureAction action);

    AppContext& ctx_;
    FormMain& main_;
    std::unique_ptr<MouseButtonSource> source_;
    bool loaded_ = false;
};

}  // namespace bm
