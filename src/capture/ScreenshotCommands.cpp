#include "capture/ScreenshotCommands.h"

#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/PathUtil.h"
#include "app/ProgramPaths.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "capture/ImageFiles.h"
#include "capture/RegionCapture.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "records/LogText.h"

namespace bm {

namespace {

constexpr int BringToFrontWaitMs = 10000;

QString regionFilePath(AppContext& ctx, int index) {
    return ctx.paths.writeFolder + QStringLiteral("/Capture") + QString::number(index + 1) +
           ctx.platform.now().toString(QStringLiteral("_MMddHHmmss")) + QStringLiteral(".bmp");
}

}  // namespace

void PrintScreenCommand(MeasureContext& m) {
    AppContext& ctx = m.app;
    ctx.log.WriteDebugLog(QStringLiteral("Click : Print Screen "));
    WaitMilliseconds(ctx.platform, BringToFrontWaitMs);
    QString folder = ctx.settings.PayRecordFolder + QStringLiteral("/ss/");
    if (!PathExists(folder)) {
        CreateFolderTree(folder);
    }
    SaveScreenImage(ctx.platform,
                    folder + QStringLiteral("PrtScr") +
                        ctx.platform.now().toString(QStringLiteral("_yyyyMMddHHmmss")),
                    ctx.settings.ImageExtension);
    BeepIfEnabled(ctx.settings, ctx.platform);
    m.view.bringToFront();
    m.view.appendLog(QStringLiteral("\r\nプリントスクリーン実行\r\n\r\n"));
    ctx.log.WriteDebugLog(QStringLiteral("Print Screen ･･･ End "));
}

void PatternSaveCommand(MeasureContext& m) {
    AppContext& ctx = m.app;
    ctx.log.WriteDebugLog(QStringLiteral("Click : Pattern Save "));
    for (int i = 0; i < RegionCount; ++i) {
        const QImage picture = m.view.capturePreview(i);
        if (picture.isNull()) {
            return;
        }
        SavePictureAsBmp(picture, regionFilePath(ctx, i));
    }
    ctx.log.WriteDebugLog(QStringLiteral("Pattern Save ･･･ End "));
}

void RegionCaptureAndSave(AppContext& ctx,
                          const std::function<void(int, const QImage&)>& showPreview) {
    WaitMilliseconds(ctx.platform, BringToFrontWaitMs);
    for (int i = 0; i < RegionCount; ++i) {
        const QImage picture =
            CaptureForegroundRegion(ctx.platform, ctx.settings.CaptureRect[i], 0, true);
        if (showPreview) {
            showPreview(i, picture);
        }
        SavePictureAsBmp(picture, regionFilePath(ctx, i));
    }
    ctx.log.WriteDebugLog(QStringLiteral("Pattern Capture and Save ･･･ End "));
}

}  // namespace bm
