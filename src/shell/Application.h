#pragma once

#include <QString>
#include <memory>

#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/StandardResolutions.h"

namespace bm {

class DebugLog;
class FormInputCheck;
class FormMain;
class FormOption;
class InstanceLock;
class MessageBoxPrompt;
class Platform;
class RandomGenerator;
class TrackerFeatures;
struct AppContext;

// The application object: owns the settings record, the run state, the
// platform and every window for the life of the process, and runs the
// start-up sequence.
class Application {
public:
    explicit Application(QString executableFolder);
    ~Application();

    // The start-up sequence. Returns false when the program must end at once
    // (a second copy, or a start from the temporary folder).
    bool Main();

private:
    QString executableFolder_;
    Settings settings_;
    RunState run_;
    ProgramPaths paths_;
    ScreenTable screens_;
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<MessageBoxPrompt> prompt_;
    std::unique_ptr<DebugLog> log_;
    std::unique_ptr<AppContext> ctx_;
    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<RandomGenerator> random_;
    std::unique_ptr<FormInputCheck> input_;
    std::unique_ptr<FormMain> main_;
    std::unique_ptr<FormOption> options_;
    // Declared after the main window: it lets go of the window's measuring
    // logic before the window goes.
    std::unique_ptr<TrackerFeatures> tracker_;

    void showOptions();
};

}  // namespace bm
