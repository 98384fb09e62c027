#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>
#include <optional>

#include "FakeMainView.h"
#include "app/AppContext.h"
#include "app/MeasureContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace bm::test {

// What the game's status bar shows; an empty optional draws nothing there.
struct StatusBar {
    std::optional<QString> lv;
    std::optional<QString> exp;    // e.g. "12.34"
    std::optional<QString> money;  // e.g. "12345"
    bool secondPositions = false;  // Exp and money in regions 3 and 4
};

// The measuring logic with default settings, compact capture regions, a
// scripted platform whose clock moves only when told, and a recording view.
class MeasureFixture : public ::testing::Test {
protected:
    MeasureFixture();

    // Draws the status bar into the game window's client area.
    QImage paint(const StatusBar& bar) const;
    // A game window titled like the setting, in front.
    WindowId openGame(const StatusBar& bar);
    void show(const StatusBar& bar);

    // Sets the readings directly, as a capture would.
    void readings(std::int32_t lv, std::int64_t expHundredths, std::int64_t money);
    // Sets the readings and runs the measurement step.
    void measure(std::int32_t lv, std::int64_t expHundredths, std::int64_t money);
    // Starts a run the way the Run menu does.
    void startRun();
    void advanceSeconds(int seconds) { platform.advance(seconds * 1000LL); }

    QStringList debugLines() const;
    QString payRecordPath() const;
    QByteArray payRecord() const;

    TempFolder folder;
    Settings settings;
    RunState run;
    ProgramPaths paths;
    FakePlatform platform;
    DebugLog log;
    ScriptedPrompt prompt;
    AppContext app;
    FakeMainView view;
    FakeGraph graph;
    MeasureContext m;
    int reseeds = 0;
    WindowId game = 0;
};

}  // namespace bm::test
