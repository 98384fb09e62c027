#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QThread>

#include "ProgramHarness.h"
#include "SimProcess.h"
#include "app/Cp932.h"

// The real program beside the stand-in, under a window manager as a user
// runs it.

namespace bm {
namespace {

class ProgramAgainstStandIn : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
        ASSERT_TRUE(program.ready());
    }

    test::SimProcess sim{{"--pos", "40,40"}};
    test::ProgramHarness program;
};

TEST_F(ProgramAgainstStandIn, MeasuresTheStandInAndClosesWithTheSummary) {
    // The graph drawn during the run.
    Settings s = program.autoRunSettings(240);
    s.GraphShow = true;
    ASSERT_TRUE(program.writeSettings(s));

    ASSERT_TRUE(program.start()) << program.output().toStdString();
    // The game must be in front for a capture to happen.
    ASSERT_TRUE(program.activate(program.shownWindow(test::GameTitle)));
    const QByteArray bytes =
        program.recordAfterChange([&] { return sim.send("exp 15.00 money 1240000"); }, 90000);
    ASSERT_FALSE(bytes.isEmpty()) << program.logText();
    ASSERT_EQ(program.payRecordFiles().size(), 1);
    const QByteArray header = cp932::encode(QStringLiteral(
        " 月日 時刻      Lv         Exp             ELY         獲得Exp           獲得ELY     "
        "経過(分)   Exp時給(%)     ELY時給(k) \r\n"));
    ASSERT_TRUE(bytes.startsWith(header));
    const QString line = cp932::decode(bytes.mid(header.size()));
    EXPECT_TRUE(QDateTime::fromString(line.left(11), "MM/dd HH:mm").isValid())
        << line.toStdString();
    EXPECT_TRUE(test::ProgramHarness::changedRecordLines(50, 85).contains(line.mid(11)))
        << line.toStdString();

    ASSERT_TRUE(program.close()) << program.output().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.logMessages().count("End of the Program "), 1);
}

// The clicks of a gesture, sent with xdotool: 'L' left, 'R' right, 'B' both
// buttons pressed and released together; a short pause after each.
bool clickGesture(const QString& clicks) {
    QString chain;
    for (const QChar c : clicks) {
        chain += c == u'B'   ? "mousedown 1 sleep 0.02 mousedown 3 sleep 0.05 mouseup 1 sleep 0.02 "
                               "mouseup 3 sleep 0.12 "
                 : c == u'L' ? "click 1 sleep 0.12 "
                             : "click 3 sleep 0.12 ";
    }
    return test::ProgramHarness::xdotool(chain.trimmed().split(u' '));
}

TEST_F(ProgramAgainstStandIn, GestureClicksOverTheGameSuspendCaptureShootAndResume) {
    Settings s = program.autoRunSettings(300);  // clear of the clicks
    s.GestureEnabled = true;
    s.GestureWaitTime = 500;
    s.BeepOnCapture = false;
    s.ImageExtension = ".png";
    ASSERT_TRUE(program.writeSettings(s));
    ASSERT_TRUE(program.start()) << program.output().toStdString();
    EXPECT_TRUE(program.logMessages().contains("Mouse Events Acquire ･･･ Successfull "))
        << program.logText();
    // The game has the focus and the pointer while the user clicks.
    ASSERT_TRUE(program.activate(program.shownWindow(test::GameTitle)));
    ASSERT_TRUE(test::ProgramHarness::xdotool({"mousemove", "200", "110"}));

    // Each gesture logs its message. While suspended the capture timer is
    // off: a capture then is the gesture's.
    const std::pair<const char*, QString> gestures[] = {
        {"LRLL", "Suspend Mode On "},
        {"RRRR", "CaptureImage0"},
        {"BB", "OnLine Print Screen ･･･ End "},
        {"LRLR", "Suspend Mode Off "},
    };
    for (const auto& [clicks, message] : gestures) {
        const qsizetype before = program.logMessages().count(message);
        QThread::msleep(700);  // longer than the gesture wait time: a fresh start
        ASSERT_TRUE(clickGesture(QString::fromLatin1(clicks)));
        ASSERT_TRUE(
            test::eventually([&] { return program.logMessages().count(message) > before; }, 10000))
            << clicks << "\n"
            << program.logText();
    }
    // Each acted once.
    EXPECT_EQ(program.logMessages().count(gestures[0].second), 1);
    EXPECT_EQ(program.logMessages().count(gestures[2].second), 1);
    const QStringList shots = QDir(program.file("ss")).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(shots.size(), 1) << shots.join(QLatin1Char(' ')).toStdString();
    // A picture of the game in front: its 320 x 160 client area at least.
    const QImage shot(program.file(QStringLiteral("ss/") + shots[0]));
    EXPECT_GE(shot.width(), 320);
    EXPECT_GE(shot.height(), 160);

    EXPECT_TRUE(program.close()) << program.output().toStdString();
}

}  // namespace
}  // namespace bm
