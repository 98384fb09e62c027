#include <gtest/gtest.h>

#include <QImage>

#include "app/GameWindow.h"
#include "platform/fake/FakePlatform.h"

namespace bm::test {

namespace {

const QString Title = QStringLiteral("LaTale Client");

const QImage Client(64, 48, QImage::Format_RGB32);

}  // namespace

TEST(GameWindow, AWindowFoundOnceIsCheckedInsteadOfLookedUpAgain) {
    FakePlatform platform;
    GameWindowCache cache;
    EXPECT_EQ(FindGameWindow(platform, cache, Title), 0u);  // not there yet

    const WindowId first = platform.addWindow(Title, Client);
    EXPECT_EQ(FindGameWindow(platform, cache, Title), first);
    const int lookups = platform.titleLookups;
    EXPECT_EQ(FindGameWindow(platform, cache, Title), first);
    EXPECT_EQ(platform.titleLookups, lookups);

    // Closed and opened again: a new window, found by a new lookup.
    platform.removeWindow(first);
    EXPECT_EQ(FindGameWindow(platform, cache, Title), 0u);
    const WindowId second = platform.addWindow(Title, Client);
    EXPECT_EQ(FindGameWindow(platform, cache, Title), second);

    // Its title changed while another window carries the title now.
    const WindowId third = platform.addWindow(QStringLiteral("Other"), Client);
    platform.window(second)->title = QStringLiteral("LaTale Client - loading");
    platform.window(third)->title = Title;
    EXPECT_EQ(FindGameWindow(platform, cache, Title), third);

    // Another title asked for (the setting was changed): looked up, not checked.
    EXPECT_EQ(FindGameWindow(platform, cache, QStringLiteral("LaTale Client - loading")), second);
}

}  // namespace bm::test
