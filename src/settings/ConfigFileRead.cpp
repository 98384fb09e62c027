#include "settings/ConfigFileRead.h"

#include "app/AppContext.h"
#include "app/PathUtil.h"
#include "app/Settings.h"
#include "settings/ConfigLineReader.h"
#include "settings/SettingsDefaults.h"
#include "util/Prompt.h"

namespace bm {

namespace {

void readMainRegions(ConfigLineReader& in, Settings& s) {
    for (int i = 0; i < 3; ++i) {
        auto& r = s.CaptureRect[i];
        in.read({&r.X, &r.Y, &r.Width, &r.Height});
    }
}

// Region 3 and 4 start points; their sizes follow regions 1 and 2.
void readSecondPositions(ConfigLineReader& in, Settings& s) {
    for (int i = 3; i < RegionCount; ++i) {
        in.read({&s.CaptureRect[i].X, &s.CaptureRect[i].Y});
    }
    copyExtensionSizes(s);
}

// From the auto-start switch to the graph line: the settings all three
// layouts share.
void readCommonItems(ConfigLineReader& in, Settings& s) {
    in.read({&s.AutoStart});
    in.read({&s.CaptureInterval});
    in.read({&s.BeepOnCapture});
    in.readFolderAndPrefix(s.PayRecordFolder, s.PayRecordPrefix);
    in.read({&s.PayRecordCsv});
    in.read({&s.PayRecordMonthly});
    in.read({&s.LagCancelTime});
    in.read({&s.StartDelay});
    in.readFlagAndPath(s.AutoRunEnabled[0], s.AutoRunPath[0]);
    in.readFlagAndPath(s.AutoRunEnabled[1], s.AutoRunPath[1]);
    in.read({&s.AutoRun2Delay});
    in.read({&s.ShotCheckEnabled, &s.ShotCheckInterval});
    in.read({&s.ImageExtension});
    in.read({&s.GestureEnabled, &s.GestureWaitTime});
    in.read({&s.GraphShow, &s.GraphPoints, &s.GraphAverageCount});
}

void readWindowItems(ConfigLineReader& in, Settings& s) {
    in.read({&s.RememberWindowPos});
    in.read({&s.WindowLeft, &s.WindowTop, &s.WindowWidth, &s.WindowHeight});
    in.read({&s.MultiDisplay});
    in.read({&s.DisplayOffsetX, &s.DisplayOffsetY});
}

void readPatternBlocks(ConfigLineReader& in, Settings& s) {
    for (int r = 0; r < ReadingCount; ++r) {
        in.read({&s.BinarizeThreshold[r], &s.BinarizeMask[r]});
        in.read({&s.PatternSize[0][r], &s.PatternSize[1][r]});
        for (int g = 0; g < GlyphCount; ++g) {
            in.readText(s.Patterns[r][g]);
        }
    }
}

// A window name in the file that differs from the current one is offered
// to the user; a name of four characters or fewer is taken as no name.
std::int32_t offerWindowName(AppContext& ctx, const QString& name) {
    Settings& s = ctx.settings;
    if (name.size() <= 4 || name == s.SearchWindowName) {
        return 0;
    }
    const QString question = QStringLiteral("ターゲットは ") + name +
                             QStringLiteral(" でよろしいいですか？\r\n「いいえ」のときは[") +
                             s.SearchWindowName + QStringLiteral("]");
    if (ctx.prompt.ask(question, QStringLiteral("ターゲット変更選択"), PromptButtons::YesNo) ==
        PromptAnswer::Yes) {
        s.SearchWindowName = name;
        ctx.log.WriteDebugLog(QStringLiteral("Target Change : ") + s.SearchWindowName);
    }
    return 1;
}

std::int32_t finishRead(AppContext& ctx, const ConfigLineReader& in, const QString& routine,
                        const QString& windowName) {
    if (in.failure()) {
        in.failure().report(ctx.log, routine);
        return -1;
    }
    return offerWindowName(ctx, windowName);
}

}  // namespace

std::int32_t ConfigFileReadV230(AppContext& ctx, const QString& path) {
    Settings& s = ctx.settings;
    ConfigLineReader in(path);
    in.skipLine();
    readMainRegions(in, s);
    readSecondPositions(in, s);
    readCommonItems(in, s);
    readWindowItems(in, s);
    readPatternBlocks(in, s);
    QString windowName;
    in.readText(windowName);
    return finishRead(ctx, in, QStringLiteral("ConfigFileReadV230"), windowName);
}

std::int32_t ConfigFileReadV220(AppContext& ctx, const QString& path) {
    Settings& s = ctx.settings;
    ConfigLineReader in(path);
    in.skipLine();
    readMainRegions(in, s);
    readCommonItems(in, s);
    readPatternBlocks(in, s);
    QString windowName;
    in.readText(windowName);
    return finishRead(ctx, in, QStringLiteral("ConfigFileReadV220"), windowName);
}

std::int32_t ConfigFileOld(AppContext& ctx, const QString& path) {
    if (!PathExists(path)) {
        return -1;
    }
    Settings& s = ctx.settings;
    ConfigLineReader in(path);
    readMainRegions(in, s);
    readCommonItems(in, s);
    if (in.failure()) {
        in.failure().report(ctx.log, QStringLiteral("ConfigFileOld"));
        return -1;
    }
    return 0;
}

}  // namespace bm
