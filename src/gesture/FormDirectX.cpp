#include "gesture/FormDirectX.h"

#include "app/AppContext.h"
#include "app/MeasureContext.h"
#include "gesture/GestureCommands.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "util/Prompt.h"

namespace bm {

FormDirectX::FormDirectX(MeasureContext& m) : m_(m), ctx_(m.app) {}

FormDirectX::~FormDirectX() {
    Unload();
}

void FormDirectX::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    ctx_.log.WriteDebugLog(QStringLiteral("DirectX Loding ･･･ "));
    MouseButtonSource::Failure why = MouseButtonSource::Failure::Ok;
    source_ = ctx_.platform.openMouseButtons(why);
    if (!source_) {
        if (why == MouseButtonSource::Failure::CannotListen) {
            ctx_.log.WriteDebugLog(
                QStringLiteral("It was mistake to Create DirectInputDevice Object "));
            ctx_.prompt.tell(
                QStringLiteral("Mouse用DirectInputDeviceオブジェクトが生成できません。"),
                QString());
        } else {
            ctx_.log.WriteDebugLog(QStringLiteral("It was mistake to Create DirectInput Object "));
            ctx_.prompt.tell(QStringLiteral("DirectInputオブジェクトが生成できません。"),
                             QString());
        }
        return;
    }
    connect(source_.get(), &MouseButtonSource::buttons, this,
            &FormDirectX::DirectXEvent8_DXCallback);
    ctx_.log.WriteDebugLog(QStringLiteral("Mouse Events Acquire ･･･ Successfull "));
}

void FormDirectX::Unload() {
    // A window whose mouse could not be opened is loaded all the same and
    // says so when it goes.
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    if (source_) {
        disconnect(source_.get(), nullptr, this, nullptr);
        ctx_.log.WriteDebugLog(QStringLiteral("Mouse Events UnAcquire "));
        // The source may be delivering the notification that led here (a
        // gesture whose beeps let the menu switch gestures off): it goes once
        // control is back in the event loop.
        source_.release()->deleteLater();
    }
    ctx_.log.WriteDebugLog(QStringLiteral("DirectX UnLoding ･･･ End "));
}

void FormDirectX::DirectXEvent8_DXCallback(const QList<QPair<bool, bool>>& events) {
    // The beeps and a capture wait with the event loop running, and the menu
    // may switch gestures off (and remove this window) meanwhile: the
    // commands use only the measuring context, which the main window owns.
    HandleGestureEvents(m_, events);
}

}  // namespace bm
