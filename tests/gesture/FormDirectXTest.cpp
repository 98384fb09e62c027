#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTimer>

#include "gesture/FormDirectX.h"
#include "measure/LoggingRun.h"
#include "settings/SettingsDefaults.h"
#include "shell/FormMainFixture.h"

namespace bm {
namespace {

// The main window with gestures on, a scripted mouse and a clock that moves
// only when told to or when the program waits.
class GestureWindow : public test::FormMainFixture {
protected:
    GestureWindow() {
        settings.PayRecordFolder = folder.file(QStringLiteral("records"));
        settings.GestureEnabled = true;
        settings.GestureWaitTime = 500;
        settings.BeepOnCapture = true;
        platform.setProcessQtEvents(false);
        platform.setNow(QDateTime(QDate(2026, 12, 5), QTime(14, 30, 0)));
    }

    // Clicks in quick succession: 'L' left, 'R' right, 'B' both buttons together.
    void clicks(const QString& pattern) {
        for (const QChar c : pattern) {
            FakeMouseButtons* mouse = platform.mouse();
            ASSERT_NE(mouse, nullptr);
            if (c == QLatin1Char('B')) {
                mouse->clickBoth();
            } else {
                mouse->click(c == QLatin1Char('L'));
            }
            platform.advance(80);
        }
    }

    void startRun() { ChangeLogging(main->measure(), LoggingMode::Start); }
    qsizetype logged(const QString& message) const { return logMessages().count(message); }
    static QString gesture(const char16_t* what) {
        return QStringLiteral("マウスジェスチャ：") + QString::fromUtf16(what);
    }
    // How often a gesture's line starts a line of the log box; the resume
    // line extends the suspend line and is not counted as it.
    qsizetype logBoxCount(const QString& line) const {
        const QStringList lines = main->ui().txtLog->toPlainText().split(QLatin1Char('\n'));
        return std::count_if(lines.begin(), lines.end(), [&](const QString& l) {
            return l.startsWith(line) && !l.mid(line.size()).startsWith(QStringLiteral(" 解除"));
        });
    }
};

TEST_F(GestureWindow, SuspendAndResumeAreOneWaySwitchesThatAlwaysConfirm) {
    load();
    startRun();
    for (int twice = 0; twice < 2; ++twice) {
        clicks(QStringLiteral("LRLL"));
        EXPECT_TRUE(run.SuspendMode);
        EXPECT_FALSE(main->captureTimerEnabled());
    }
    EXPECT_EQ(logBoxCount(gesture(u"時給測定一時停止")), 2);
    EXPECT_EQ(logged(QStringLiteral("Suspend Mode On ")), 1);

    for (int twice = 0; twice < 2; ++twice) {
        clicks(QStringLiteral("LRLR"));
        EXPECT_FALSE(run.SuspendMode);
        EXPECT_TRUE(main->captureTimerEnabled());
    }
    EXPECT_EQ(logBoxCount(gesture(u"時給測定一時停止 解除")), 2);
    EXPECT_EQ(logged(QStringLiteral("Suspend Mode Off ")), 1);
    EXPECT_TRUE(run.GestureSequence.isEmpty());
}

TEST_F(GestureWindow, CaptureNowOnlyDuringARun) {
    // The game runs but is not in front: the capture starts and is put off.
    platform.addWindow(DefaultSearchWindowName, QImage(200, 100, QImage::Format_RGB32));
    load();
    clicks(QStringLiteral("RRRR"));
    EXPECT_EQ(logBoxCount(gesture(u"時給サイクルタイマリセット")), 1);
    EXPECT_EQ(logged(QStringLiteral("CaptureImage0")), 0);

    startRun();
    const QDateTime before = platform.now();
    clicks(QStringLiteral("RRRR"));
    EXPECT_EQ(logBoxCount(gesture(u"時給サイクルタイマリセット")), 2);
    EXPECT_EQ(logged(QStringLiteral("CaptureImage0")), 1);
    EXPECT_GT(run.NextCaptureTime, before);
}

TEST_F(GestureWindow, TwoDoubleClicksSaveAScreenshotOfTheWindowInFront) {
    platform.setForeground(platform.addWindow(QStringLiteral("Browser"),
                                              QImage(64, 48, QImage::Format_RGB32), {10, 10}));
    load();
    const QString shots = settings.PayRecordFolder + QStringLiteral("/ss");
    clicks(QStringLiteral("BB"));
    // The record folder did not exist: it is made along with ss/.
    EXPECT_EQ(QDir(shots).entryList(QDir::Files),
              QStringList{QStringLiteral("PrtScr_20261205143000.png")});
    EXPECT_EQ(logBoxCount(gesture(u"プリントスクリーン")), 1);
}

TEST_F(GestureWindow, SwitchingGesturesOffWhileAGestureBeepsLetsItFinish) {
    platform.setProcessQtEvents(true);
    load();
    // Chosen from the menu during the first pause of the rhythm.
    QTimer::singleShot(0, main.get(), [this] { main->ui().menuGesture->trigger(); });
    clicks(QStringLiteral("RLLL"));
    EXPECT_FALSE(settings.GestureEnabled);
    EXPECT_TRUE(settings.ShotCheckEnabled);
    EXPECT_EQ(platform.beeps, 5);
    EXPECT_EQ(logged(QStringLiteral("DirectX UnLoding ･･･ End ")), 1);
}

}  // namespace
}  // namespace bm
