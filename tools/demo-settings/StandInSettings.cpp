#include "StandInSettings.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include "app/AppContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "settings/ConfigFile.h"
#include "settings/SettingsDefaults.h"
#include "util/Prompt.h"

namespace bm {

namespace {

// Just enough of a platform for the settings writer: a clock for its log.
class ClockOnly : public Platform {
public:
    WindowId findWindowByTitle(const QString&) override { return 0; }
    WindowId foregroundWindow() override { return 0; }
    std::optional<WindowRect> windowRect(WindowId) override { return std::nullopt; }
    bool captureRegion(WindowId, bool, int, int, int, int, PixelBuffer&) override { return false; }
    void beep() override {}
    bool startDetached(const QString&) override { return false; }
    bool openWithDesktop(const QString&) override { return false; }
    std::uint32_t tickCount() override { return 0; }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void pumpEvents(int) override {}
};

// Nobody is there to answer: every question is answered with its default.
class SilentPrompt : public Prompt {
public:
    PromptAnswer ask(const QString& text, const QString&, PromptButtons, PromptIcon) override {
        told += text;
        return PromptAnswer::Ok;
    }
    QString told;
};

}  // namespace

Settings standInSettings(const QString& programFolder) {
    Settings s;
    s.SearchWindowName = DefaultSearchWindowName;
    s.VersionText = DefaultVersionText;
    s.ProgramTitle = makeProgramTitle(s.VersionText);
    applyGeneralDefaults(s, programFolder);
    applyCaptureDefaults(s, false, false);
    applyExtensionDefaults(s, false);
    return s;
}

bool writeSettingsFile(const QString& programFolder, const Settings& settings) {
    // The writer logs to a debug log of its own; the program's is left alone.
    QTemporaryDir scratch;
    Settings s = settings;
    RunState run;
    ProgramPaths paths = ProgramPaths::single(programFolder);
    ClockOnly clock;
    DebugLog log(scratch.path(), clock);
    SilentPrompt prompt;
    AppContext ctx{s, run, paths, clock, log, prompt};
    ConfigFile(ctx, ConfigOp::Save);
    return prompt.told.isEmpty() && QFileInfo::exists(configFilePath(paths));
}

}  // namespace bm
