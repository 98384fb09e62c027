#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "FakeMainView.h"
#include "app/MeasureContext.h"
#include "support/TestContext.h"

namespace bm::test {

// The column header the log box shows when a run or a character starts.
inline const QString LogBoxHeader =
    QStringLiteral(" 月日 時刻    Lv    獲得Exp        獲得ELY   経過    Exp時給     ELY時給 \r\n");

// What the game's status bar shows; an empty optional draws nothing there.
struct StatusBar {
    std::optional<QString> lv;
    std::optional<QString> exp;    // e.g. "12.34"
    std::optional<QString> money;  // e.g. "12345"
    bool secondPositions = false;  // Exp and money in regions 3 and 4
};

// The measuring logic with default settings, compact capture regions, a
// scripted platform whose clock moves only when told, and a recording view.
class MeasureFixture : public ::testing::Test, public TestContext<> {
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

    QByteArray payRecord() const;

    FakeMainView view;
    FakeGraph graph;
    MeasureContext m;
    int reseeds = 0;
    WindowId game = 0;
};

}  // namespace bm::test
