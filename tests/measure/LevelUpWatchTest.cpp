#include <gtest/gtest.h>

#include <QDir>

#include "MeasureFixture.h"
#include "measure/LevelUpWatch.h"

namespace bm::test {

namespace {

class LevelUpWatchTest : public MeasureFixture {
protected:
    LevelUpWatchTest() {
        startRun();
        openGame(bar(QStringLiteral("40.00")));
    }
    static StatusBar bar(const QString& exp, bool second = false) {
        return StatusBar{QStringLiteral("57"), exp, QStringLiteral("1000"), second};
    }
    // One watch tick while the game shows `exp`.
    void watch(const QString& exp, bool second = false) {
        show(bar(exp, second));
        WatchTimerTick(m);
        platform.advance(1000);
    }
    QStringList shots() const {
        return QDir(folder.path() + QStringLiteral("/ss")).entryList(QDir::Files, QDir::Name);
    }
    int burstLines() const { return view.logBox.count(QStringLiteral("LvUP or Dead 検出")); }
};

}  // namespace

TEST_F(LevelUpWatchTest, DropAfterARiseTakesABurstOfFourShots) {
    run.LayoutMode = Layout::Regions1And2;
    watch(QStringLiteral("40.00"));
    watch(QStringLiteral("41.20"));
    const QString stamp = platform.now().toString(QStringLiteral("_yyyyMMddHHmmss"));
    const QString line = platform.now().toString(QStringLiteral("MM/dd HH:mm"));
    watch(QStringLiteral("0.50"));

    const QString base = QStringLiteral("LvUP") + stamp;
    EXPECT_EQ(shots(),
              (QStringList{base + "_a.png", base + "_b.png", base + "_c.png", base + "_d.png"}));
    EXPECT_EQ(view.logBox, line + QStringLiteral("  LvUP or Dead 検出 \r\n"));
    EXPECT_EQ(logMessages().last(), QStringLiteral("DEAD OR HAPPY LIVE Print Screen ･･･ End "));
    EXPECT_EQ(view.panel.lblEndExp, QStringLiteral("0.50 ％"));  // refreshed display
}

TEST_F(LevelUpWatchTest, UnreadOrStoppedChangesNothing) {
    watch(QStringLiteral("40.00"));
    watch(QStringLiteral("41.00"));
    const auto before = run.WatchExpData;

    show(StatusBar{QStringLiteral("57"), std::nullopt, QStringLiteral("1000"), false});
    WatchTimerTick(m);
    EXPECT_EQ(run.WatchExp, Currency::fromInt(-1));
    run.LogStartStamp.clear();
    watch(QStringLiteral("3.00"));
    EXPECT_EQ(run.WatchExpData, before);
    EXPECT_EQ(burstLines(), 0);

    run.SuspendMode = true;  // a suspension does not stop the watch
    startRun();
    watch(QStringLiteral("4.00"));
    EXPECT_EQ(burstLines(), 1);
}

TEST_F(LevelUpWatchTest, RefreshesExpAndMoneyOfTheKnownLayout) {
    run.LvNow = 12;
    run.LayoutMode = Layout::Regions3And4;
    watch(QStringLiteral("3.25"), true);
    EXPECT_EQ(run.WatchExp, Currency::fromInt(325));
    EXPECT_EQ(run.ExpNow, Currency::fromInt(325));
    EXPECT_EQ(run.MoneyNow, Currency::fromInt(1000));
    EXPECT_EQ(run.LvNow, 12);
}

}  // namespace bm::test
