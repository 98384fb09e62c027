#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <random>

#include "ProgramHarness.h"
#include "SimProcess.h"
#include "platform/x11/X11Platform.h"

// The program killed at random moments of its start-up, of settings saves
// and of a measuring run leaves whole files behind. BM_KILL_SEED repeats a
// run's moments.

namespace bm {
namespace {

constexpr int Rounds = 50;
// Every tenth round lasts until the first capture, which writes the pay record.
constexpr int MeasuringEvery = 10;
const QString Ini = QStringLiteral("TK2LConfig.ini");

// Every line feed ends a CR LF; a pay record also ends in one (the debug log
// may end in a line cut short), and a debug log begins with a time stamp.
// (Messages may hold line breaks of their own, so later lines need no stamp.)
bool whole(const QByteArray& bytes, bool payRecord) {
    static const QRegularExpression stamp(
        QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d "));
    const bool endsWhole = bytes.isEmpty() || bytes.endsWith("\r\n") || !payRecord;
    const bool stamped = payRecord || !bytes.contains('\n') ||
                         stamp.match(QString::fromLatin1(bytes.left(20))).hasMatch();
    return endsWhole && stamped && bytes.count('\n') == bytes.count("\r\n");
}

class KillAtAnyMoment : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.ready());
        std::fprintf(stderr, "[ kill ] BM_KILL_SEED=%u repeats this run\n", seed);
    }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    // Opens the options dialog from the menu by keyboard; 0 when it did not.
    // Keys sent in the moment the new main window takes the focus can be
    // lost, so a try that shows no dialog closes any open menu and repeats.
    WindowId openOptions() {
        const WindowId main = program.waitForWindow(test::ProgramHarness::programTitle());
        for (int attempt = 0; main != 0 && attempt < 3; ++attempt) {
            if (program.activate(main) &&
                program.keys(QStringLiteral("alt Right Down Return").split(u' '))) {
                if (const WindowId options = program.waitForWindow("オプション", 5000)) {
                    return options;
                }
            }
            program.keys({"Escape", "Escape"});
        }
        return 0;
    }

    const unsigned seed = qEnvironmentVariableIsEmpty("BM_KILL_SEED")
                              ? std::random_device{}()
                              : qEnvironmentVariable("BM_KILL_SEED").toUInt();
    std::mt19937 rng{seed};
    test::ProgramHarness program;
};

TEST_F(KillAtAnyMoment, SettingsLogAndPayRecordStayWhole) {
    test::SimProcess sim{{"--pos", "40,40"}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();

    // The old file differs from what a save writes in its first line, the
    // title, which the program reads past and writes afresh.
    Settings s = program.autoRunSettings(240);
    s.BeepOnCapture = false;
    s.PayRecordMonthly = true;
    s.ProgramTitle += QStringLiteral(" (written by the test)");
    ASSERT_TRUE(program.writeSettings(s));
    const QByteArray oldFile = program.bytes(Ini);

    // The new file: what one save from the options dialog writes. The time
    // the start-up takes bounds the moments of the start-up kills.
    QElapsedTimer startup;
    startup.start();
    ASSERT_TRUE(program.start()) << program.output().toStdString();
    const int startupMs = static_cast<int>(startup.elapsed());
    WindowId options = openOptions();
    ASSERT_NE(options, 0u);
    const QPoint save = program.optionsControl(options, "cmdSave", 0);
    ASSERT_TRUE(program.click(options, save));
    ASSERT_TRUE(program.waitForLog(QStringLiteral("Saving ConfigFile ･･･ End "), 10000));
    const QByteArray newFile = program.bytes(Ini);
    ASSERT_NE(newFile, oldFile) << "a save must change the file for the test to tell them apart";
    program.kill();

    for (int round = 1; round <= Rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round) + ", seed " + std::to_string(seed));
        test::TempFolder::writeBytes(program.file(Ini), oldFile);
        if (round % MeasuringEvery == 0) {
            // Beside the game in front, killed around the first capture.
            ASSERT_TRUE(program.start()) << program.output().toStdString();
            ASSERT_TRUE(sim.send(QStringLiteral("exp %1.%2 money %3")
                                     .arg(uniform(10, 90))
                                     .arg(uniform(10, 99))
                                     .arg(uniform(100000, 999999))));
            // The capture timer ticks every 10 s and the first capture is
            // due 15 s after the start, so it comes with the tick at 20 s.
            // The game is kept in front until the kill: the window manager
            // may give the new main window the focus a moment after it shows.
            const QDeadlineTimer killAt(uniform(18000, 28000));
            const WindowId game = program.x11().findWindowByTitle(test::GameTitle);
            while (!killAt.hasExpired()) {
                if (program.x11().foregroundWindow() != game) {
                    program.activate(game);
                }
                QThread::msleep(50);
            }
        } else if (uniform(0, 1) == 0) {
            ASSERT_TRUE(program.launch());
            QThread::msleep(static_cast<unsigned long>(uniform(0, startupMs + startupMs / 5)));
        } else {
            // A stream of clicks on 保 存, each a save; the kill comes
            // somewhere in it.
            ASSERT_TRUE(program.start()) << program.output().toStdString();
            options = openOptions();
            ASSERT_NE(options, 0u);
            ASSERT_TRUE(program.activate(options));
            QProcess clicks;
            clicks.start(
                "xdotool",
                QStringLiteral("mousemove --window %1 %2 %3 click --repeat 30 --delay 20 1")
                    .arg(options)
                    .arg(save.x())
                    .arg(save.y())
                    .split(u' '));
            ASSERT_TRUE(program.waitForLog("Click : Setting Save ", 10000));
            QThread::msleep(static_cast<unsigned long>(uniform(0, 600)));
            program.kill();
            clicks.kill();
            clicks.waitForFinished(10000);
        }
        program.kill();

        const QByteArray settings = program.bytes(Ini);
        EXPECT_TRUE(settings == oldFile || settings == newFile) << "TK2LConfig.ini half-written";
        for (const char* log : {"debug.txt", "debugBackUp.txt"}) {
            EXPECT_TRUE(whole(program.bytes(log), false)) << log;
        }
        for (const QString& record : program.payRecordFiles()) {
            EXPECT_TRUE(whole(program.bytes(QStringLiteral("log/") + record), true))
                << record.toStdString();
        }
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_FALSE(program.payRecordFiles().isEmpty()) << "no measuring run wrote a pay record";
}

}  // namespace
}  // namespace bm
