#include <gtest/gtest.h>

#include "MeasureFixture.h"
#include "measure/DisplayResult.h"

namespace bm::test {

namespace {

class DisplayResultTest : public MeasureFixture {
protected:
    // Start values, then `minutes` later the end values.
    void runFromTo(int lv0, int exp0, int money0, int lv1, int exp1, int money1, int minutes) {
        readings(lv0, exp0, money0);
        DisplayResult(m, DisplayMode::Start);
        advanceSeconds(minutes * 60);
        readings(lv1, exp1, money1);
        DisplayResult(m, DisplayMode::Update);
    }
};

}  // namespace

TEST_F(DisplayResultTest, IncreaseBeyondAFullLevelShowsOnlyThePartOfTheCurrentLevel) {
    struct Case {
        int lv0, exp0, lv1, exp1;
        const char* shown;
    };
    for (const Case c :
         {Case{10, 4000, 11, 2050, "80.50 ％"}, Case{10, 2000, 11, 3055, "11.00 ％"},
          Case{10, 2000, 11, 2000, "100.00 ％"}, Case{10, 2000, 10, 1500, "-5.00 ％"},
          Case{10, 2000, 12, 2050, "0.00 ％"}}) {
        SCOPED_TRACE(c.shown);
        runFromTo(c.lv0, c.exp0, 0, c.lv1, c.exp1, 0, 1);
        EXPECT_EQ(view.panel.lblElapseExp, QString::fromUtf8(c.shown));
    }
}

TEST_F(DisplayResultTest, SummaryGoesToTheLogBoxOnlyDuringARun) {
    runFromTo(10, 2000, 1000, 11, 3055, 3500, 65);
    EXPECT_EQ(run.Panel, view.panel);
    DisplayResult(m, DisplayMode::Summary);
    EXPECT_TRUE(view.logBox.isEmpty());

    startRun();
    DisplayResult(m, DisplayMode::Summary);
    EXPECT_EQ(
        view.logBox,
        QStringLiteral(" 経過: 2026/12/05 14:30:00  ～  2026/12/05 15:35:00  ＝  0日 1時 5分間\r\n"
                       "    開始  Lv:  10    Exp:  20.00 ％   ELY:           1,000 \r\n"
                       "    終了  Lv:  11    Exp:  30.55 ％   ELY:           3,500 \r\n"
                       "    増加  Lv:   1    Exp:  11.00 ％   ELY:           2,500 \r\n"
                       "\r\n\r\n"));

    // After an unread Exp only the start values are shown.
    view.logBox.clear();
    runFromTo(10, 2000, 1000, 10, -1, 1500, 5);
    DisplayResult(m, DisplayMode::Summary);
    EXPECT_TRUE(view.logBox.contains(QStringLiteral("開始")));
    EXPECT_FALSE(view.logBox.contains(QStringLiteral("終了")));
}

TEST_F(DisplayResultTest, UpdateWithoutStartValuesReportsOnlyThatStep) {
    readings(10, 2000, 1000);
    DisplayResult(m, DisplayMode::Update);
    EXPECT_EQ(view.panel.lblEndLv, QStringLiteral("10"));
    EXPECT_EQ(view.panel.lblElapseTime, QString());
    EXPECT_EQ(logMessages().last(),
              QStringLiteral("Error Trap : DisplayResult : CODE13  Type mismatch"));
}

}  // namespace bm::test
