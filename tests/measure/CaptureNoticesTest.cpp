#include <gtest/gtest.h>

#include "MeasureFixture.h"
#include "measure/CaptureCycle.h"
#include "measure/CaptureNoticeRules.h"
#include "measure/LoggingRun.h"

namespace bm::test {

namespace {

class CaptureNoticesTest : public MeasureFixture {
protected:
    CaptureNoticesTest() { startRun(); }
    // Due captures 15 seconds apart for `seconds`.
    void captureEvery15s(int seconds) {
        for (int s = 0; s < seconds; s += 15) {
            CaptureImage(m);
            advanceSeconds(15);
        }
    }
};

const StatusBar Readable{QStringLiteral("57"), QStringLiteral("12.34"), QStringLiteral("123456"),
                         false};
const StatusBar NoLevel{std::nullopt, QStringLiteral("12.34"), QStringLiteral("123456"), false};

}  // namespace

TEST_F(CaptureNoticesTest, GameBehindForMoreThanAMinuteIsToldOncePerRunWithTheReason) {
    openGame(Readable);
    const WindowId browser =
        platform.addWindow(QStringLiteral("Browser"), QImage(10, 10, QImage::Format_RGB32));
    platform.setForeground(browser);

    captureEvery15s(75);  // 0 to 60 seconds behind: not yet
    EXPECT_EQ(view.popupShows, 0);
    captureEvery15s(60);
    EXPECT_EQ(view.popupShows, 1);
    EXPECT_TRUE(view.popupVisible);  // a capture that finds the window keeps it
    EXPECT_TRUE(view.popupMessage.contains(QStringLiteral("「Browser」")));

    platform.setForeground(game);
    CaptureImage(m);
    EXPECT_FALSE(view.popupVisible);
    EXPECT_EQ(run.LvNow, 57);

    platform.setForeground(browser);
    captureEvery15s(180);
    EXPECT_EQ(view.popupShows, 1);

    ChangeLogging(m, LoggingMode::Start);  // a new run may tell again
    captureEvery15s(90);
    EXPECT_EQ(view.popupShows, 2);
}

TEST_F(CaptureNoticesTest, CoveredRegionsAreNotAFailedReadAndAreLoggedOncePerRun) {
    openGame(NoLevel);
    // Over region 0 (the level) of the game's client area at (204, 124).
    const WindowId cover = platform.addWindow(QStringLiteral("Chat"),
                                              QImage(30, 30, QImage::Format_RGB32), {210, 120});
    CaptureImage(m);
    CaptureImage(m);
    EXPECT_FALSE(view.logBox.contains(QStringLiteral("認識失敗")));
    EXPECT_EQ(logMessages().count(QStringLiteral("Capture Region Covered By Another Window ")), 1);
    EXPECT_EQ(view.popupMessage, CoveredRegionsPopup);
    EXPECT_EQ(run.NextCaptureTime, platform.now().addSecs(15));

    // Uncovered, or covered only where the readings succeeded (region 1,
    // Exp), the failure is an ordinary one and the notice goes.
    platform.removeWindow(cover);
    platform.addWindow(QStringLiteral("Chat"), QImage(30, 10, QImage::Format_RGB32), {210, 140});
    CaptureImage(m);
    EXPECT_FALSE(view.popupVisible);
    EXPECT_TRUE(view.logBox.contains(QStringLiteral("認識失敗  Lv NG")));
    EXPECT_EQ(view.popupShows, 1);
}

}  // namespace bm::test
