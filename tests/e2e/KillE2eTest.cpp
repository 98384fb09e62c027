#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <random>

#include "LayoutTwin.h"
#include "ProgramHarness.h"
#include "SimProcess.h"
#include "UserInput.h"
#include "platform/x11/X11Platform.h"

namespace bm {
namespace {

constexpr int Rounds = 50;
// Every tenth round runs long enough for the first capture of a measuring
// run, which writes the pay record.
constexpr int MeasuringEvery = 10;
const QString GameTitle = QStringLiteral("LaTale Client");
const QString OptionsTitle = QStringLiteral("オプション");

// Whole lines end in CR LF; only the last piece of the file may be a line
// cut short, and every whole line begins with the log's time stamp.
QString debugLogFault(const QByteArray& bytes) {
    static const QRegularExpression stamp(
        QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d "));
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (!line.endsWith('\r')) {
            return QStringLiteral("line %1 ends without CR LF").arg(i + 1);
        }
        // Messages may hold line breaks of their own (the environment
        // summary); a whole line is either stamped or follows one that is.
        if (i == 0 && !stamp.match(QString::fromLatin1(line)).hasMatch()) {
            return QStringLiteral("the first line has no time stamp");
        }
    }
    return {};
}

// A pay record holds whole lines only: empty, or ending in CR LF, with no
// line broken apart.
QString payRecordFault(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {};
    }
    if (!bytes.endsWith("\r\n")) {
        return QStringLiteral("the last line is cut short");
    }
    if (bytes.count('\n') != bytes.count("\r\n")) {
        return QStringLiteral("a line feed without its carriage return");
    }
    return {};
}

// The lines of `bytes` that `reference` does not have at the same place.
QString differingLines(const QByteArray& bytes, const QByteArray& reference) {
    const QList<QByteArray> a = bytes.split('\n');
    const QList<QByteArray> b = reference.split('\n');
    QStringList out;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i)) {
            out << QStringLiteral("%1: %2 | %3")
                       .arg(i + 1)
                       .arg(QString::fromLatin1(a.value(i).left(40)),
                            QString::fromLatin1(b.value(i).left(40)));
        }
    }
    return out.join(QLatin1Char('\n'));
}

class KillAtAnyMoment : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.ready());
        const QByteArray fixed = qgetenv("BM_KILL_SEED");
        seed = fixed.isEmpty() ? std::random_device{}() : fixed.toUInt();
        std::printf("[ kill ] seed %u (BM_KILL_SEED=%u repeats this run)\n", seed, seed);
        std::fflush(stdout);
        rng.seed(seed);
    }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    // Opens the options dialog from the menu by keyboard; 0 when it did not.
    WindowId openOptions(test::UserInput& input) {
        const WindowId main = input.waitForWindow(test::ProgramHarness::programTitle());
        if (main == 0 || !input.focus(main) ||
            !input.keys({QStringLiteral("alt"), QStringLiteral("Right"), QStringLiteral("Down"),
                         QStringLiteral("Return")})) {
            return 0;
        }
        return input.waitForWindow(OptionsTitle);
    }

    QByteArray settingsBytes() const {
        return test::TempFolder::readBytes(program.file(QStringLiteral("TK2LConfig.ini")));
    }

    bool restoreSettings(const QByteArray& bytes) {
        QFile f(program.file(QStringLiteral("TK2LConfig.ini")));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }

    QStringList temporaries() const {
        return QDir(program.programFolder())
            .entryList({QStringLiteral("TK2LConfig.ini.*")}, QDir::Files | QDir::Hidden);
    }

    unsigned seed = 0;
    std::mt19937 rng;
    test::ProgramHarness program;
};

TEST_F(KillAtAnyMoment, SettingsLogAndPayRecordStayWhole) {
    QElapsedTimer clock;
    clock.start();
    test::SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("40,40")}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    test::UserInput input(program.x11());

    // The old file differs from what a save writes in its first line, the
    // title, which the program reads past and writes afresh.
    Settings s = program.standInSettings();
    s.AutoStart = true;
    s.StartDelay = 0;
    s.CaptureInterval = 1;
    s.GraphShow = false;
    s.ShotCheckEnabled = false;
    s.BeepOnCapture = false;
    s.PayRecordMonthly = true;
    s.ProgramTitle += QStringLiteral(" (written by the test)");
    s.WindowLeft = 10;
    s.WindowTop = 240;
    ASSERT_TRUE(program.writeSettings(s));
    const QByteArray oldFile = settingsBytes();
    const test::LayoutTwin twin(s);

    // The new file: what one save from the options dialog writes. The time
    // the start-up takes bounds the moments of the start-up kills.
    QElapsedTimer startup;
    startup.start();
    ASSERT_TRUE(program.start()) << program.output().toStdString();
    const int startupMs = static_cast<int>(startup.elapsed());
    WindowId options = openOptions(input);
    ASSERT_NE(options, 0u);
    const QPoint save =
        twin.optionsControl(QStringLiteral("cmdSave"), 0, input.clientSize(options));
    ASSERT_TRUE(input.click(options, save));
    ASSERT_TRUE(program.waitForLog(QStringLiteral("Saving ConfigFile ･･･ End "), 10000));
    const QByteArray newFile = settingsBytes();
    ASSERT_NE(newFile, oldFile) << "a save must change the file for the test to tell them apart";
    program.kill();

    int startupKills = 0;
    int saveKills = 0;
    int measuringKills = 0;
    qsizetype saves = 0;
    int insideSave = 0;
    QStringList leftovers;
    for (int round = 1; round <= Rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round) + ", seed " + std::to_string(seed));
        ASSERT_TRUE(restoreSettings(oldFile));
        if (round % MeasuringEvery == 0) {
            // Beside the game in front, killed around the first capture.
            ++measuringKills;
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
            const WindowId game = program.x11().findWindowByTitle(GameTitle);
            while (!killAt.hasExpired()) {
                if (program.x11().foregroundWindow() != game) {
                    program.activate(GameTitle);
                }
                QThread::msleep(
                    static_cast<unsigned long>(std::min<qint64>(100, killAt.remainingTime())));
            }
        } else if (uniform(0, 1) == 0) {
            ++startupKills;
            ASSERT_TRUE(program.launch());
            QThread::msleep(static_cast<unsigned long>(uniform(0, startupMs + startupMs / 5)));
        } else {
            // A stream of clicks on 保 存, each a save; the kill comes
            // somewhere in it.
            ++saveKills;
            ASSERT_TRUE(program.start()) << program.output().toStdString();
            options = openOptions(input);
            ASSERT_NE(options, 0u);
            ASSERT_TRUE(input.focus(options));
            QProcess clicks;
            clicks.start(
                QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(options),
                 QString::number(save.x()), QString::number(save.y()), QStringLiteral("click"),
                 QStringLiteral("--repeat"), QStringLiteral("30"), QStringLiteral("--delay"),
                 QStringLiteral("20"), QStringLiteral("1")});
            ASSERT_TRUE(program.waitForLog(QStringLiteral("Click : Setting Save "), 10000));
            QThread::msleep(static_cast<unsigned long>(uniform(0, 600)));
            program.kill();
            clicks.kill();
            clicks.waitForFinished(10000);
            // How far the saves got: a click logged without its end line was
            // killed inside the save.
            const QStringList log = program.logMessages();
            saves += log.count(QStringLiteral("Saving ConfigFile ･･･ End "));
            if (log.lastIndexOf(QStringLiteral("Click : Setting Save ")) >
                log.lastIndexOf(QStringLiteral("Saving ConfigFile ･･･ End "))) {
                ++insideSave;
            }
        }
        program.kill();

        const QByteArray settings = settingsBytes();
        EXPECT_TRUE(settings == oldFile || settings == newFile)
            << "TK2LConfig.ini is neither the old nor the new file (" << settings.size()
            << " bytes); lines that differ from the new one:\n"
            << differingLines(settings, newFile).toStdString();
        for (const QString& log :
             {QStringLiteral("debug.txt"), QStringLiteral("debugBackUp.txt")}) {
            EXPECT_EQ(debugLogFault(test::TempFolder::readBytes(program.file(log))), QString())
                << log.toStdString();
        }
        for (const QString& record : program.payRecordFiles()) {
            EXPECT_EQ(payRecordFault(test::TempFolder::readBytes(
                          program.file(QStringLiteral("log/") + record))),
                      QString())
                << record.toStdString();
        }
        for (const QString& name : temporaries()) {
            if (!leftovers.contains(name)) {
                leftovers << name;
            }
        }
        if (HasFailure()) {
            return;
        }
    }
    // The pay-record check above saw files: at least one run got as far
    // as its first capture.
    EXPECT_FALSE(program.payRecordFiles().isEmpty()) << "no measuring run wrote a pay record";
    std::printf(
        "[ kill ] %d kills: %d in start-up, %d in saves (%lld saves done, %d kills inside "
        "one), %d around a capture; %lld settings temporaries left behind; pay records: %s; "
        "%.1f s\n",
        Rounds, startupKills, saveKills, static_cast<long long>(saves), insideSave, measuringKills,
        static_cast<long long>(leftovers.size()),
        qPrintable(program.payRecordFiles().join(QLatin1Char(' '))), clock.elapsed() / 1000.0);
}

}  // namespace
}  // namespace bm
