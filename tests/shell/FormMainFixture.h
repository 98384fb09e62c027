#pragma once

#include <gtest/gtest.h>
#include <QStringList>
#include <memory>

#include "app/AppContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "settings/FormInputCheck.h"
#include "shell/FormMain.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "support/TextLines.h"
#include "util/RandomTools.h"

namespace bm::test {

// The main window over a scripted platform and prompt, with the program
// folder (settings, debug log, help documents) in a fresh temporary folder.
// The settings are a first run's defaults with the graph off; adjust them
// before calling load().
class FormMainFixture : public ::testing::Test {
protected:
    FormMainFixture();
    ~FormMainFixture() override;

    // Creates the window and runs its load handler.
    FormMain& load();
    // Resizes the window and lets the resulting events run.
    void resizeTo(int width, int height);
    // The debug log's messages, without their time stamps.
    QStringList logMessages() const;
    // Messages logged since the last call (all of them the first time).
    QStringList newLogMessages();
    // A control of the main window by its name.
    template <typename T>
    T* child(const char* name) const {
        return main->findChild<T*>(QString::fromLatin1(name));
    }
    int clientHeight() const;

    TempFolder folder;
    Settings settings;
    RunState run;
    ProgramPaths paths = ProgramPaths::single(folder.path());
    FakePlatform platform;
    DebugLog log{folder.path(), platform};
    ScriptedPrompt prompt;
    AppContext ctx{settings, run, paths, platform, log, prompt};
    RandomGenerator random;
    FormInputCheck input{prompt};
    std::unique_ptr<FormMain> main;

private:
    qsizetype seen_ = 0;
};

}  // namespace bm::test
