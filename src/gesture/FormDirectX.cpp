#include "gesture/FormDirectX.h"

#include "app/AppContext.h"
#include "app/PathUtil.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "capture/ImageFiles.h"
#include "gesture/BeepPattern.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "shell/FormMain.h"
#include "util/Prompt.h"

namespace bm {

FormDirectX::FormDirectX(AppContext& ctx, FormMain& main) : ctx_(ctx), main_(main) {}

FormDirectX::~FormDirectX() {
    Unload();
}

void FormDirectX::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    ctx_.log.WriteDebugLog(QStringLiteral("DirectX Loding ･･･ "), 0);
    MouseButtonSource::Failure why = MouseButtonSource::Failure::Ok;
    source_ = ctx_.platform.openMouseButtons(why);
    if (!source_) {
        if (why == MouseButtonSource::Failure::CannotListen) {
            ctx_.log.WriteDebugLog(
                QStringLiteral("It was mistake to Create DirectInputDevice Object "), 0);
            ctx_.prompt.tell(
                QStringLiteral("Mouse用DirectInputDeviceオブジェクトが生成できません。"),
                QString());
        } else {
            ctx_.log.WriteDebugLog(QStringLiteral("It was mistake to Create DirectInput Object "),
                                   0);
            ctx_.prompt.tell(QStringLiteral("DirectInputオブジェクトが生成できません。"),
                             QString());
        }
        return;
    }
    connect(source_.get(), &MouseButtonSource::buttons, this,
            &FormDirectX::DirectXEvent8_DXCallback);
    ctx_.log.WriteDebugLog(QStringLiteral("Mouse Events Acquire ･･･ Successfull "), 0);
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
        ctx_.log.WriteDebugLog(QStringLiteral("Mouse Events UnAcquire "), 0);
        // The source may be delivering the notification that led here (a
        // gesture whose beeps let the menu switch gestures off): it goes once
        // control is back in the event loop.
        source_.release()->deleteLater();
    }
    ctx_.log.WriteDebugLog(QStringLiteral("DirectX UnLoding ･･･ End "), 0);
}

void FormDirectX::DirectXEvent8_DXCallback(const QList<QPair<bool, bool>>& events) {
    QString tokens;
    for (const auto& [left, pressed] : events) {
        tokens += gestureToken(left ? MouseButton::Left : MouseButton::Right, pressed);
    }
    const double now = GetMilliseconds(ctx_.platform);
    const std::optional<GestureAction> action = FeedGesture(
        ctx_.run, ctx_.settings.GestureWaitTime, tokens, now, GetMilliseconds(ctx_.platform));
    if (action) {
        run(*action);
    }
}

void FormDirectX::run(GestureAction action) {
    // The beeps and a capture wait with the event loop running, and the menu
    // may switch gestures off (and remove this window) meanwhile: from here
    // on only the shared state and the main window are used.
    AppContext& ctx = ctx_;
    FormMain& main = main_;
    Settings& s = ctx.settings;
    const GestureRow& row = gestureRow(action);
    switch (action) {
        case GestureAction::Suspend:
            if (!ctx.run.SuspendMode) {
                main.ChangeSuspend(0);
            }
            break;
        case GestureAction::Resume:
            if (ctx.run.SuspendMode) {
                main.ChangeSuspend(0);
            }
            break;
        case GestureAction::WatchOn:
            if (!s.ShotCheckEnabled) {
                s.ShotCheckEnabled = true;
                main.setWatchTimer(s.ShotCheckInterval, true);
            }
            break;
        case GestureAction::WatchOff:
            if (s.ShotCheckEnabled) {
                s.ShotCheckEnabled = false;
                main.setWatchTimer(s.ShotCheckInterval, false);
            }
            break;
        case GestureAction::CaptureNow:
            if (!ctx.run.LogStartStamp.isEmpty()) {
                main.CaptureImage();
            }
            break;
        case GestureAction::PrintScreen: {
            QString folder = s.PayRecordFolder + QStringLiteral("/ss/");
            if (!PathExists(folder)) {
                CreateFolderTree(folder);
            }
            const QString base = folder + QStringLiteral("PrtScr") +
                                 ctx.platform.now().toString(QStringLiteral("_yyyyMMddHHmmss"));
            SaveScreenImage(ctx.platform, base, s.ImageExtension);
            BeepPattern(ctx, 3, 3, 0, 0);
            ctx.log.WriteDebugLog(QStringLiteral("OnLine Print Screen ･･･ End "), 0);
            main.appendLog(QStringLiteral("\r\n") + QString::fromUtf8(row.logLine));
            return;
        }
    }
    BeepPattern(ctx, row.beepRhythm[0], row.beepRhythm[1], row.beepRhythm[2], row.beepRhythm[3]);
    main.appendLog(QStringLiteral("\r\n") + QString::fromUtf8(row.logLine));
}

}  // namespace bm
