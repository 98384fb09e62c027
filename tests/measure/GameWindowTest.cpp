#include <gtest/gtest.h>

#include <QImage>

#include "MeasureFixture.h"
#include "app/GameWindow.h"
#include "measure/LevelUpWatch.h"
#include "platform/fake/FakePlatform.h"

namespace bm::test {

namespace {

const QString Title = QStringLiteral("LaTale Client");

QImage client() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

}  // namespace

TEST(GameWindow, AWindowFoundOnceIsCheckedInsteadOfLookedUpAgain) {
    FakePlatform platform;
    GameWindowCache cache;
    EXPECT_EQ(FindGameWindow(platform, cache, Title), 0u);  // not there yet

    const WindowId first = platform.addWindow(Title, client());
    EXPECT_EQ(FindGameWindow(platform, cache, Title), first);
    const int lookups = platform.titleLookups;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(FindGameWindow(platform, cache, Title), first);
    }
    EXPECT_EQ(platform.titleLookups, lookups);

    // Closed and opened again: a new window, found by a new lookup.
    platform.removeWindow(first);
    EXPECT_EQ(FindGameWindow(platform, cache, Title), 0u);
    const WindowId second = platform.addWindow(Title, client());
    EXPECT_EQ(FindGameWindow(platform, cache, Title), second);

    // Its title changed while another window carries the title now.
    const WindowId third = platform.addWindow(QStringLiteral("Other"), client());
    platform.window(second)->title = QStringLiteral("LaTale Client - loading");
    platform.window(third)->title = Title;
    EXPECT_EQ(FindGameWindow(platform, cache, Title), third);

    // Another title asked for (the setting was changed): looked up, not checked.
    EXPECT_EQ(FindGameWindow(platform, cache, QStringLiteral("LaTale Client - loading")), second);
}

TEST_F(MeasureFixture, WatchTicksLookTheGameWindowUpOnlyOnce) {
    startRun();
    openGame(
        StatusBar{QStringLiteral("57"), QStringLiteral("40.00"), QStringLiteral("1000"), false});
    const int lookups = platform.titleLookups;
    const int checks = platform.titleChecks;
    for (int i = 0; i < 4; ++i) {
        WatchTimerTick(m);
        platform.advance(1000);
    }
    EXPECT_EQ(platform.titleLookups - lookups, 1);
    EXPECT_EQ(platform.titleChecks - checks, 3);
    EXPECT_GE(run.WatchExp, Currency());
}

}  // namespace bm::test
