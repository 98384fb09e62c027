#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include "ProgramHarness.h"
#include "SimProcess.h"
#include "platform/x11/X11Platform.h"

namespace bm {
namespace {

const QString GameTitle = QStringLiteral("LaTale Client");

// Runs one xdotool command chain (clicks, pauses); true when it succeeded.
bool xdotool(const QString& chain) {
    return QProcess::execute(QStringLiteral("xdotool"), chain.split(QLatin1Char(' '))) == 0;
}

// The clicks of a gesture: 'L' left, 'R' right, 'B' both buttons pressed
// and released together; a short pause after each.
QString gestureChain(const QString& clicks) {
    QStringList chain;
    for (const QChar c : clicks) {
        if (c == QLatin1Char('B')) {
            chain << QStringLiteral(
                "mousedown 1 sleep 0.02 mousedown 3 sleep 0.05 mouseup 1 "
                "sleep 0.02 mouseup 3");
        } else {
            chain << (c == QLatin1Char('L') ? QStringLiteral("click 1")
                                            : QStringLiteral("click 3"));
        }
        chain << QStringLiteral("sleep 0.12");
    }
    return chain.join(QLatin1Char(' '));
}

class GesturesInTheProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
        ASSERT_TRUE(program.ready());
        Settings s = program.standInSettings();
        s.GestureEnabled = true;
        s.GestureWaitTime = 500;
        s.BeepOnCapture = false;
        s.AutoStart = true;
        s.StartDelay = 0;
        s.GraphShow = false;
        s.ShotCheckEnabled = false;
        s.ImageExtension = QStringLiteral(".png");
        // Below the stand-in, so the clicks never land on the main window.
        s.WindowLeft = 10;
        s.WindowTop = 300;
        ASSERT_TRUE(program.writeSettings(s));
        ASSERT_TRUE(program.start()) << program.output().toStdString();
        // The game has the focus and the pointer while the user clicks.
        ASSERT_TRUE(program.activate(GameTitle));
        ASSERT_TRUE(xdotool(QStringLiteral("mousemove 200 110")));
    }

    // Clicks a gesture and waits for the debug log to show `message` one
    // more time than before.
    bool gestureLogs(const QString& clicks, const QString& message) {
        const qsizetype before = program.logMessages().count(message);
        QThread::msleep(700);  // longer than the gesture wait time: a fresh start
        if (!xdotool(gestureChain(clicks))) {
            return false;
        }
        return test::eventually([&] { return program.logMessages().count(message) > before; },
                                10000);
    }

    QString logText() const { return program.logMessages().join(QLatin1Char('\n')); }

    test::SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("40,40")}};
    test::ProgramHarness program;
};

TEST_F(GesturesInTheProgram, ClicksOverTheGameSuspendCaptureShootAndResume) {
    EXPECT_TRUE(
        program.logMessages().contains(QStringLiteral("Mouse Events Acquire ･･･ Successfull ")))
        << logText().toStdString();

    ASSERT_TRUE(gestureLogs(QStringLiteral("LRLL"), QStringLiteral("Suspend Mode On ")))
        << logText().toStdString();

    // While suspended the capture timer is off: a capture now is the gesture's.
    ASSERT_TRUE(gestureLogs(QStringLiteral("RRRR"), QStringLiteral("CaptureImage0")))
        << logText().toStdString();

    ASSERT_TRUE(gestureLogs(QStringLiteral("BB"), QStringLiteral("OnLine Print Screen ･･･ End ")))
        << logText().toStdString();
    const QStringList shots =
        QDir(program.file(QStringLiteral("ss"))).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(shots.size(), 1) << shots.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^PrtScr_\\d{14}\\.png$")).match(shots[0]).hasMatch())
        << shots[0].toStdString();
    // A picture of the game in front: its 320 x 160 client area at least.
    const QImage shot(program.file(QStringLiteral("ss/") + shots[0]));
    EXPECT_GE(shot.width(), 320);
    EXPECT_GE(shot.height(), 160);

    ASSERT_TRUE(gestureLogs(QStringLiteral("LRLR"), QStringLiteral("Suspend Mode Off ")))
        << logText().toStdString();
    // Each gesture acted once.
    const QStringList log = program.logMessages();
    EXPECT_EQ(log.count(QStringLiteral("Suspend Mode On ")), 1);
    EXPECT_EQ(log.count(QStringLiteral("OnLine Print Screen ･･･ End ")), 1);

    ASSERT_TRUE(program.close()) << program.output().toStdString();
    const QStringList end = program.logMessages();
    const qsizetype unacquire = end.indexOf(QStringLiteral("Mouse Events UnAcquire "));
    ASSERT_GE(unacquire, 0) << logText().toStdString();
    EXPECT_EQ(end.value(unacquire + 1), QStringLiteral("DirectX UnLoding ･･･ End "));
}

}  // namespace
}  // namespace bm
