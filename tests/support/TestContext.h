#pragma once

#include <QStringList>

#include "app/AppContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "support/LogMessages.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace bm::test {

// Everything a routine reaches through the application context: empty
// settings and run state, a scripted prompt, the debug log in a fresh folder
// and the scripted platform, or the real one where a test needs the window
// system.
template <class PlatformType = FakePlatform>
struct TestContext {
    TempFolder folder;
    Settings settings;
    RunState run;
    ProgramPaths paths = ProgramPaths::single(folder.path());
    PlatformType platform;
    DebugLog log{folder.path(), platform};
    ScriptedPrompt prompt;
    AppContext ctx{settings, run, paths, platform, log, prompt};

    // The messages of the debug log, without their time stamps.
    QStringList logMessages() const { return logMessagesIn(log.path()); }
};

}  // namespace bm::test
