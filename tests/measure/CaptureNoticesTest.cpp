#include <gtest/gtest.h>

#include "MeasureFixture.h"
#include "measure/CaptureCycle.h"
#include "measure/CaptureNoticeRules.h"

namespace bm::test {

namespace {

class CaptureNoticesTest : public MeasureFixture {
protected:
    CaptureNoticesTest() { startRun(); }
};

const StatusBar NoLevel{std::nullopt, QStringLiteral("12.34"), QStringLiteral("123456"), false};

}  // namespace

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
