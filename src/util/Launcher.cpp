#include "util/Launcher.h"

#include <QFileInfo>

#include "app/AppContext.h"
#include "app/PathUtil.h"
#include "app/WaitClock.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "util/Prompt.h"

namespace bm {

namespace {

const QString kErrorTitle = QStringLiteral("実行エラー");

void waitAfterLaunch(AppContext& ctx, const LaunchHooks& hooks, int waitMs) {
    if (hooks.wait) {
        hooks.wait(waitMs);
    } else {
        WaitMilliseconds(ctx.platform, waitMs);
    }
}

void setBusy(const LaunchHooks& hooks, bool busy) {
    if (hooks.busyPointer) {
        hooks.busyPointer(busy);
    }
}

// Runs one launch with the wait pointer showing; waits only when the launch
// was accepted, since nothing was started otherwise.
bool launch(AppContext& ctx, const LaunchHooks& hooks, int waitMs,
            const std::function<bool()>& start) {
    setBusy(hooks, true);
    const bool started = start();
    if (started) {
        waitAfterLaunch(ctx, hooks, waitMs);
    }
    setBusy(hooks, false);
    return started;
}

}  // namespace

void ExecuteFile(AppContext& ctx, const QString& path, int waitMs, const LaunchHooks& hooks) {
    if (!PathExists(path)) {
        ctx.prompt.tell(GetFileNameFromPath(path) + QStringLiteral("ファイルが見つかりません。"),
                        kErrorTitle);
        ctx.log.WriteDebugLog(QStringLiteral("Execution File Not Find  ") + path);
        return;
    }
    ctx.log.WriteDebugLog(QStringLiteral("Execution File Start ･･･  ") + path);
    const QFileInfo info(path);
    const bool program = info.isExecutable() && !info.isDir();
    const bool started = launch(ctx, hooks, waitMs, [&] {
        return program ? ctx.platform.startDetached(path) : ctx.platform.openWithDesktop(path);
    });
    ctx.log.WriteDebugLog(started ? QStringLiteral("Execution File Finish ")
                                  : QStringLiteral("Execution File Failed  ") + path);
}

void ExecuteUrl(AppContext& ctx, const QString& url, int waitMs, const LaunchHooks& hooks) {
    if (url.isEmpty()) {
        ctx.prompt.tell(GetFileNameFromPath(url) + QStringLiteral("サイトが見つかりません。"),
                        kErrorTitle);
        ctx.log.WriteDebugLog(QStringLiteral("Execution File Not Find  ") + url);
        return;
    }
    ctx.log.WriteDebugLog(QStringLiteral("Execution Url Start ･･･  ") + url);
    const bool started =
        launch(ctx, hooks, waitMs, [&] { return ctx.platform.openWithDesktop(url); });
    ctx.log.WriteDebugLog(started ? QStringLiteral("Execution Url Finish ")
                                  : QStringLiteral("Execution Url Failed  ") + url);
}

QString GetFileNameFromPath(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace bm
