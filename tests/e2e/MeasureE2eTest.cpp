#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QThread>

#include "../measure/FakeMainView.h"
#include "SimProcess.h"
#include "app/AppContext.h"
#include "app/Cp932.h"
#include "app/MeasureContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "capture/ScreenshotCommands.h"
#include "measure/CaptureCycle.h"
#include "measure/LevelUpWatch.h"
#include "measure/LoggingRun.h"
#include "measure/RunFiguresText.h"
#include "measure/RunTracker.h"
#include "platform/x11/X11Platform.h"
#include "records/DebugLog.h"
#include "settings/SettingsDefaults.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace bm {
namespace {

// The real X11 platform for windows and pixels, with a clock the schedule
// moves: waits pass at once in clock time while X events still flow, and
// the log lines and rates come out the same on every run.
class SteppedClockPlatform : public Platform {
public:
    explicit SteppedClockPlatform(X11Platform& x) : x_(x) {}
    void advance(std::int64_t ms) {
        tick_ = static_cast<std::uint32_t>(tick_ + static_cast<std::uint64_t>(ms));
        now_ = now_.addMSecs(ms);
    }

    WindowId findWindowByTitle(const QString& title) override {
        return x_.findWindowByTitle(title);
    }
    WindowId foregroundWindow() override { return x_.foregroundWindow(); }
    std::optional<WindowRect> windowRect(WindowId w) override { return x_.windowRect(w); }
    bool captureRegion(WindowId w, bool client, int x, int y, int width, int height,
                       PixelBuffer& out) override {
        return x_.captureRegion(w, client, x, y, width, height, out);
    }
    void beep() override {}
    bool startDetached(const QString&) override { return false; }
    bool openWithDesktop(const QString&) override { return false; }
    std::uint32_t tickCount() override { return tick_; }
    QDateTime now() override { return now_; }
    void pumpEvents(int maxWaitMs) override {
        x_.pumpEvents(0);
        advance(std::max(maxWaitMs, 1));
    }

private:
    X11Platform& x_;
    std::uint32_t tick_ = 1000000;
    QDateTime now_{QDate(2026, 12, 5), QTime(14, 30, 0)};
};

class MeasureAgainstStandIn : public ::testing::Test {
protected:
    MeasureAgainstStandIn() {
        settings.SearchWindowName = QStringLiteral("LaTale Client");
        applyGeneralDefaults(settings, folder.path());
        applyCaptureDefaults(settings, false, false);
        applyExtensionDefaults(settings, false);
        settings.PayRecordFolder = folder.path();
        settings.PayRecordCsv = false;
        settings.PayRecordMonthly = false;
        settings.LagCancelTime = 0;
        settings.CaptureInterval = 3;
        settings.ImageExtension = QStringLiteral(".png");
        settings.AutoRunEnabled = {false, false};
        settings.StartDelay = 0;
        settings.GraphShow = false;
    }

    void SetUp() override {
        ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
        ASSERT_TRUE(x.isOpen());
        ASSERT_TRUE(until([&] {
            const WindowId game = x.findWindowByTitle(settings.SearchWindowName);
            return game != 0 && x.foregroundWindow() == game;
        }));
        QThread::msleep(300);  // the first figures reach the screen a moment later
    }

    // Gives the X server time to show what the stand-in drew.
    bool until(const std::function<bool()>& condition) {
        for (int i = 0; i < 250 && !condition(); ++i) {
            QThread::msleep(20);
        }
        return condition();
    }
    void step(const QString& command) {
        ASSERT_TRUE(sim.send(command)) << command.toStdString();
        QThread::msleep(300);
    }
    // A capture-timer tick with the capture forced due, `minutes` after the last.
    void tickAfter(int minutes) {
        clock.advance(minutes * 60000LL);
        run.NextCaptureTime = clock.now();
        CaptureTimerTick(m);
    }
    QStringList files(const QString& sub) const {
        return QDir(folder.path() + sub).entryList(QDir::Files, QDir::Name);
    }

    test::TempFolder folder;
    test::SimProcess sim{{QStringLiteral("--lv"), QStringLiteral("57"), QStringLiteral("--exp"),
                          QStringLiteral("12.34"), QStringLiteral("--money"),
                          QStringLiteral("1234567")}};
    X11Platform x;
    SteppedClockPlatform clock{x};
    Settings settings;
    RunState run;
    ProgramPaths paths = ProgramPaths::single(folder.path());
    DebugLog log{folder.path(), clock};
    test::ScriptedPrompt prompt;
    AppContext app{settings, run, paths, clock, log, prompt};
    test::FakeMainView view;
    MeasureContext m{app, view, nullptr, {}};

    QString runSchedule();
};

// A schedule of readings: a baseline, gains, an idle interval, a level-up,
// a failed read, the game in the background, and a money-only gain.
// Returns the pay record file's path.
QString MeasureAgainstStandIn::runSchedule() {
    ChangeLogging(m, LoggingMode::Start);
    const QString stamp = run.LogStartStamp;
    view.logBox.clear();

    tickAfter(0);  // baseline
    step(QStringLiteral("exp 15.00 money 1240000"));
    tickAfter(10);
    tickAfter(10);  // nothing changed
    step(QStringLiteral("lv 58 exp 0.50"));
    tickAfter(10);
    step(QStringLiteral("unreadable money"));
    tickAfter(10);
    step(QStringLiteral("focus away"));
    tickAfter(0);
    EXPECT_EQ(run.NextCaptureTime, clock.now().addSecs(15));
    step(QStringLiteral("focus back money 1250000"));
    EXPECT_TRUE(until(
        [&] { return x.foregroundWindow() == x.findWindowByTitle(settings.SearchWindowName); }));
    tickAfter(10);
    return folder.path() + QStringLiteral("/log/") + settings.PayRecordPrefix + stamp +
           QStringLiteral(".txt");
}

// What the schedule writes into the log box and the pay record.
const QString ScheduleLogBox = QStringLiteral(
    "12/05 14:30   57   12.34 ％      1,234,567 \r\n"
    "12/05 14:40   57    2.66 ％          5,433   10.0   15.96 ％        32.6 \r\n"
    "12/05 15:00   58   85.50 ％              0   10.0  513.00 ％         0.0 \r\n"
    "12/05 15:10  認識失敗  Money NG\r\n"
    "12/05 15:20   58    0.00 ％         10,000    0.0    0.00 ％        30.0 \r\n");
const QString ScheduleRecord = QStringLiteral(
    " 月日 時刻      Lv         Exp             ELY         獲得Exp           "
    "獲得ELY     経過(分)   Exp時給(%)     ELY時給(k) \r\n"
    "12/05 14:40     57        15.00         1,240,000         2.66              "
    "5,433       10.0          15.96           32.60 \r\n"
    "12/05 15:00     58         0.50         1,240,000        85.50                  "
    "0       10.0         513.00            0.00 \r\n"
    "12/05 15:20     58         0.50         1,250,000         0.00             "
    "10,000        0.0           0.00           30.00 \r\n");

TEST_F(MeasureAgainstStandIn, AScheduleOfReadingsGivesTheLogBoxAndThePayRecord) {
    const QString record = runSchedule();
    EXPECT_EQ(view.logBox, ScheduleLogBox);
    EXPECT_EQ(test::TempFolder::readBytes(record), cp932::encode(ScheduleRecord));

    step(QStringLiteral("close"));
    ASSERT_TRUE(sim.waitForExit());
    ASSERT_TRUE(until([&] { return x.findWindowByTitle(settings.SearchWindowName) == 0; }));
    tickAfter(10);
    EXPECT_EQ(view.popupShows, 1);
}

TEST_F(MeasureAgainstStandIn, TrackerFollowsTheRunAndKeepsFailedReadsWithoutChangingTheRecords) {
    RunTracker tracker(app);
    m.observer = &tracker;
    const QString record = runSchedule();

    // The records are exactly those of a run without the tracker.
    EXPECT_EQ(view.logBox, ScheduleLogBox);
    EXPECT_EQ(test::TempFolder::readBytes(record), cp932::encode(ScheduleRecord));

    // 88.16 % in 20 measured minutes, 15,433 ELY in 30; the last hour is the
    // whole run.
    EXPECT_EQ(runtext::figureLines(tracker.stats(), clock.now()),
              QStringList({QStringLiteral("Lv58 0.50%"),
                           QStringLiteral("Exp時給 264.48%/h (60分 264.48%/h)"),
                           QStringLiteral("ELY時給 30,866/h (60分 30,866/h)"),
                           QStringLiteral("次Lvまで 22分"), QStringLiteral("認識 83% (5/6)")}));

    // The failed read left the five regions as pictures of the stand-in.
    const QStringList pictures = files(QStringLiteral("/ss/NG"));
    ASSERT_EQ(pictures.size(), 5) << pictures.join(QLatin1Char(' ')).toStdString();
    for (int i = 0; i < 5; ++i) {
        QImageReader reader(folder.path() + QStringLiteral("/ss/NG/") + pictures[i]);
        EXPECT_EQ(reader.format(), QByteArray("png"));
        const CaptureRect& r = settings.CaptureRect[i];
        EXPECT_EQ(reader.size(), QSize(r.Width, r.Height)) << i;
    }
}

TEST_F(MeasureAgainstStandIn, BurstAndPrintScreenSaveValidPicturesOfTheStandIn) {
    ChangeLogging(m, LoggingMode::Start);
    run.LayoutMode = Layout::Regions1And2;
    for (const char* exp : {"exp 20.00", "exp 21.00", "exp 0.20"}) {
        step(QString::fromLatin1(exp));
        WatchTimerTick(m);
        clock.advance(1000);
    }
    PrintScreenCommand(m);

    const QStringList shots = files(QStringLiteral("/ss"));
    ASSERT_EQ(shots.size(), 5) << shots.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(shots.filter(QStringLiteral("LvUP_")).size(), 4);
    EXPECT_EQ(shots.filter(QStringLiteral("PrtScr_")).size(), 1);
    for (const QString& name : shots) {
        QImageReader reader(folder.path() + QStringLiteral("/ss/") + name);
        EXPECT_EQ(reader.format(), QByteArray("png")) << name.toStdString();
        const QImage image = reader.read();
        // The whole stand-in window: its 320 x 160 client area at least.
        EXPECT_GE(image.width(), 320) << name.toStdString();
        EXPECT_GE(image.height(), 160) << name.toStdString();
    }
    EXPECT_TRUE(view.logBox.contains(QStringLiteral("  LvUP or Dead 検出 \r\n")));
}

}  // namespace
}  // namespace bm
