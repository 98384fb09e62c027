#include <gtest/gtest.h>

#include <QPainter>

#include "MeasureFixture.h"
#include "measure/CaptureCycle.h"
#include "measure/WineFrame.h"

namespace bm::test {

namespace {

WindowFraming framing(const char* instance, const char* cls, bool decorated, double scale = 1.0) {
    return {QString::fromLatin1(instance), QString::fromLatin1(cls), decorated, scale};
}

TEST(WineFrameShift, OnlyUndecoratedWindowsOfWindowsProgramsAreShifted) {
    const struct {
        std::optional<WindowFraming> framing;
        std::optional<QPoint> shift;
    } rows[] = {
        {framing("latale.exe", "latale.exe", false), QPoint(3, 22)},
        {framing("latale.exe", "latale.exe", false, 2.0), QPoint(3, 40)},
        {framing("", "LATALE.EXE", false), QPoint(3, 22)},
        {framing("latale.exe", "latale.exe", true), std::nullopt},  // decorated
        {framing("statusbar-sim", "statusbar-sim", false), std::nullopt},
        {std::nullopt, std::nullopt},  // the window has gone
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WineFrameShift(row.framing), row.shift)
            << (row.framing ? row.framing->className.toStdString() : "gone");
    }
}

const StatusBar Bar{QStringLiteral("57"), QStringLiteral("12.34"), QStringLiteral("123456"), false};

// The game's X window holds Wine's own frame: the client area starts (3, 22) in.
class WineFrameCaptureTest : public MeasureFixture {
protected:
    WineFrameCaptureTest() {
        startRun();
        openGame(Bar);
        const QImage client = paint(Bar);
        QImage framed(client.width() + 3, client.height() + 22, QImage::Format_RGB32);
        framed.fill(Qt::darkBlue);
        QPainter(&framed).drawImage(3, 22, client);
        platform.setClientImage(game, framed);
        platform.window(game)->framing = framing("latale.exe", "latale.exe", false);
        original = settings.CaptureRect;
    }
    std::array<CaptureRect, RegionCount> original;
};

TEST_F(WineFrameCaptureTest, YesShiftsEveryRegionAndTheCaptureReads) {
    prompt.queue(PromptAnswer::Yes);
    CaptureImage(m);
    ASSERT_EQ(prompt.texts(), QStringList{WineFrameQuestion});
    for (int r = 0; r < RegionCount; ++r) {
        EXPECT_EQ(settings.CaptureRect[r].X, original[r].X + 3) << r;
        EXPECT_EQ(settings.CaptureRect[r].Y, original[r].Y + 22) << r;
    }
    EXPECT_EQ(run.MoneyNow, Currency::fromInt(123456));
    EXPECT_TRUE(logMessages().contains(QStringLiteral("Wine Frame Offset Applied : 3,22")));

    advanceSeconds(60);
    CaptureImage(m);
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(run.LvNow, 57);
}

TEST_F(WineFrameCaptureTest, NoQuestionWhenTheShiftedRegionsReadNothing) {
    platform.setClientImage(game, paint({}));
    advanceSeconds(60);
    CaptureImage(m);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(settings.CaptureRect, original);
    EXPECT_FALSE(run.WineFrameAsked);
}

}  // namespace

}  // namespace bm::test
