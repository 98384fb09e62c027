#pragma once

#include <QStringList>

#include "measure/RunState.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "settings/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "util/AppContext.h"
#include "util/Cp932.h"
#include "util/ProgramPaths.h"

namespace bm::test {

// Everything a utility routine reaches through the application context,
// with a scripted platform and prompt and the debug log in a fresh folder.
struct ToolsContext {
    TempFolder folder;
    Settings settings;
    RunState run;
    ProgramPaths paths = ProgramPaths::single(folder.path());
    FakePlatform platform;
    DebugLog log{folder.path(), platform};
    ScriptedPrompt prompt;
    AppContext ctx{settings, run, paths, platform, log, prompt};

    // The messages of the debug log, without their time stamps.
    QStringList logMessages() const {
        const QString text = cp932::decode(TempFolder::readBytes(log.path()));
        QStringList out;
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            out << line.mid(20);
        }
        return out;
    }
};

}  // namespace bm::test
