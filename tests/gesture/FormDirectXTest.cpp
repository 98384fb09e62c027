#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <memory>

#include "app/AppContext.h"
#include "app/Cp932.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "gesture/FormDirectX.h"
#include "measure/LoggingRun.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "settings/FormInputCheck.h"
#include "settings/SettingsDefaults.h"
#include "shell/FormMain.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "util/RandomTools.h"

namespace bm {
namespace {

const QString SuspendLine = QStringLiteral("マウスジェスチャ：時給測定一時停止");
const QString ResumeLine = QStringLiteral("マウスジェスチャ：時給測定一時停止 解除");
const QString WatchOnLine = QStringLiteral("マウスジェスチャ：自動撮影 監視開始");
const QString WatchOffLine = QStringLiteral("マウスジェスチャ：自動撮影 監視終了");
const QString CaptureLine = QStringLiteral("マウスジェスチャ：時給サイクルタイマリセット");
const QString ScreenshotLine = QStringLiteral("マウスジェスチャ：プリントスクリーン");

// The main window with gestures on, a scripted mouse and a clock that moves
// only when told to or when the program waits.
class GestureWindow : public ::testing::Test {
protected:
    GestureWindow()
        : paths(ProgramPaths::single(folder.path())),
          log(folder.path(), platform),
          ctx{settings, run, paths, platform, log, prompt},
          input(prompt) {
        settings.SearchWindowName = DefaultSearchWindowName;
        applyGeneralDefaults(settings, folder.path());
        applyCaptureDefaults(settings, false, false);
        applyExtensionDefaults(settings, false);
        settings.PayRecordFolder = folder.file(QStringLiteral("records"));
        settings.GraphShow = false;
        settings.StartDelay = 0;
        settings.AutoStart = false;
        settings.GestureEnabled = true;
        settings.GestureWaitTime = 500;
        settings.BeepOnCapture = true;
        platform.setProcessQtEvents(false);
        platform.setNow(QDateTime(QDate(2026, 12, 5), QTime(14, 30, 0)));
        main = std::make_unique<FormMain>(ctx, FormMain::Services{random, input, {}});
    }

    ~GestureWindow() override {
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Clicks in quick succession: 'L' left, 'R' right, 'B' both buttons
    // together; '.' is a pause longer than the gesture wait time.
    void clicks(const QString& pattern) {
        for (const QChar c : pattern) {
            if (c == QLatin1Char('.')) {
                platform.advance(settings.GestureWaitTime + 100);
                continue;
            }
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

    QStringList debugLines() const {
        QStringList lines;
        const QString text = cp932::decode(test::TempFolder::readBytes(log.path()));
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            lines << line.mid(20);
        }
        return lines;
    }
    // How often a gesture's line starts a line of the log box; what is
    // appended next continues that line, and the resume line extends the
    // suspend line.
    qsizetype logBoxCount(const QString& line) const {
        const QRegularExpression starts(QStringLiteral("(?m)^") + QRegularExpression::escape(line) +
                                        QStringLiteral("(?! 解除)"));
        qsizetype n = 0;
        for (auto it = starts.globalMatch(main->ui().txtLog->toPlainText()); it.hasNext();
             it.next()) {
            ++n;
        }
        return n;
    }
    QStringList screenshots() const {
        return QDir(settings.PayRecordFolder + QStringLiteral("/ss")).entryList(QDir::Files);
    }

    test::TempFolder folder;
    Settings settings;
    RunState run;
    ProgramPaths paths;
    FakePlatform platform;
    DebugLog log;
    test::ScriptedPrompt prompt;
    AppContext ctx;
    RandomGenerator random;
    FormInputCheck input;
    std::unique_ptr<FormMain> main;
};

TEST_F(GestureWindow, SuspendAndResumeAreOneWaySwitchesThatAlwaysConfirm) {
    main->Load();
    startRun();
    ASSERT_TRUE(main->captureTimerEnabled());

    clicks(QStringLiteral("LRLL"));
    EXPECT_TRUE(run.SuspendMode);
    EXPECT_FALSE(main->captureTimerEnabled());
    EXPECT_EQ(platform.beeps, 5);
    EXPECT_EQ(logBoxCount(SuspendLine), 1);

    // Suspending again changes nothing but still beeps and writes its line.
    clicks(QStringLiteral("LRLL"));
    EXPECT_TRUE(run.SuspendMode);
    EXPECT_EQ(platform.beeps, 10);
    EXPECT_EQ(logBoxCount(SuspendLine), 2);
    EXPECT_EQ(debugLines().count(QStringLiteral("Suspend Mode On ")), 1);

    clicks(QStringLiteral("LRLR"));
    EXPECT_FALSE(run.SuspendMode);
    EXPECT_TRUE(main->captureTimerEnabled());
    EXPECT_EQ(platform.beeps, 16);
    EXPECT_EQ(logBoxCount(ResumeLine), 1);

    clicks(QStringLiteral("LRLR"));
    EXPECT_FALSE(run.SuspendMode);
    EXPECT_EQ(logBoxCount(ResumeLine), 2);
    EXPECT_EQ(debugLines().count(QStringLiteral("Suspend Mode Off ")), 1);
    EXPECT_TRUE(run.GestureSequence.isEmpty());
}

TEST_F(GestureWindow, WatchGesturesSwitchTheSettingAndTheWatchTimer) {
    settings.ShotCheckEnabled = false;
    settings.ShotCheckInterval = 1500;
    main->Load();
    QTimer* watch = main->ui().timDoHLInterval;
    ASSERT_FALSE(watch->isActive());

    clicks(QStringLiteral("RLLL"));
    EXPECT_TRUE(settings.ShotCheckEnabled);
    EXPECT_TRUE(watch->isActive());
    EXPECT_EQ(watch->interval(), 1500);
    EXPECT_EQ(logBoxCount(WatchOnLine), 1);
    EXPECT_EQ(platform.beeps, 5);

    clicks(QStringLiteral("RLLR"));
    EXPECT_FALSE(settings.ShotCheckEnabled);
    EXPECT_FALSE(watch->isActive());
    clicks(QStringLiteral("RLLR"));
    EXPECT_FALSE(watch->isActive());
    EXPECT_EQ(logBoxCount(WatchOffLine), 2);
}

TEST_F(GestureWindow, CaptureNowOnlyDuringARunAndSilentWithoutBeeping) {
    settings.BeepOnCapture = false;
    // The game runs but is not in front: the capture starts and is put off.
    platform.addWindow(DefaultSearchWindowName, QImage(200, 100, QImage::Format_RGB32));
    main->Load();

    clicks(QStringLiteral("RRRR"));
    EXPECT_EQ(logBoxCount(CaptureLine), 1);
    EXPECT_FALSE(debugLines().contains(QStringLiteral("CaptureImage0")));

    startRun();
    const QDateTime before = platform.now();
    clicks(QStringLiteral("RRRR"));
    EXPECT_EQ(logBoxCount(CaptureLine), 2);
    EXPECT_TRUE(debugLines().contains(QStringLiteral("CaptureImage0")));
    EXPECT_GT(run.NextCaptureTime, before);
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(GestureWindow, TwoDoubleClicksSaveAScreenshotOfTheWindowInFront) {
    const WindowId other = platform.addWindow(QStringLiteral("Browser"),
                                              QImage(64, 48, QImage::Format_RGB32), {10, 10});
    platform.setForeground(other);
    main->Load();

    // One double click is not enough, nor is a second one after a pause.
    clicks(QStringLiteral("B.B"));
    EXPECT_TRUE(screenshots().isEmpty());
    EXPECT_EQ(logBoxCount(ScreenshotLine), 0);

    clicks(QStringLiteral("B"));
    // The record folder did not exist: it is made along with ss/.
    EXPECT_EQ(screenshots(), QStringList{QStringLiteral("PrtScr_20261205143000.png")});
    EXPECT_TRUE(debugLines().contains(QStringLiteral("OnLine Print Screen ･･･ End ")));
    EXPECT_EQ(logBoxCount(ScreenshotLine), 1);
    EXPECT_EQ(platform.beeps, 4);
    EXPECT_TRUE(run.GestureSequence.isEmpty());
}

TEST_F(GestureWindow, LoadAndUnloadAreLoggedAndUnloadStopsTheGestures) {
    main->Load();
    EXPECT_EQ(platform.mouseOpens, 1);
    QStringList lines = debugLines();
    const qsizetype loading = lines.indexOf(QStringLiteral("DirectX Loding ･･･ "));
    ASSERT_GE(loading, 0);
    EXPECT_EQ(lines.value(loading + 1), QStringLiteral("Mouse Events Acquire ･･･ Successfull "));

    main->ui().menuGesture->trigger();
    EXPECT_FALSE(settings.GestureEnabled);
    lines = debugLines();
    const qsizetype unacquire = lines.indexOf(QStringLiteral("Mouse Events UnAcquire "));
    ASSERT_GE(unacquire, 0);
    EXPECT_EQ(lines.value(unacquire + 1), QStringLiteral("DirectX UnLoding ･･･ End "));
    EXPECT_EQ(lines.count(QStringLiteral("DirectX UnLoding ･･･ End ")), 1);

    // Clicks on a source that is being released reach no one.
    if (platform.mouse() != nullptr) {
        platform.mouse()->click(false);
        platform.mouse()->click(false);
        platform.mouse()->click(false);
        platform.mouse()->click(false);
    }
    EXPECT_EQ(logBoxCount(CaptureLine), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(platform.mouse(), nullptr);

    main->ui().menuGesture->trigger();
    EXPECT_EQ(platform.mouseOpens, 2);
    clicks(QStringLiteral("RRRR"));
    EXPECT_EQ(logBoxCount(CaptureLine), 1);
}

TEST_F(GestureWindow, SwitchingGesturesOffWhileAGestureBeepsLetsItFinish) {
    platform.setProcessQtEvents(true);
    main->Load();
    // Chosen from the menu during the first pause of the rhythm.
    QTimer::singleShot(0, main.get(), [this] { main->ui().menuGesture->trigger(); });
    clicks(QStringLiteral("RLLL"));
    EXPECT_FALSE(settings.GestureEnabled);
    EXPECT_TRUE(settings.ShotCheckEnabled);
    EXPECT_EQ(platform.beeps, 5);
    EXPECT_EQ(logBoxCount(WatchOnLine), 1);
    EXPECT_TRUE(debugLines().contains(QStringLiteral("DirectX UnLoding ･･･ End ")));
}

class GestureOpenFailure : public GestureWindow,
                           public ::testing::WithParamInterface<MouseButtonSource::Failure> {};

TEST_P(GestureOpenFailure, IsLoggedAndToldAndGesturesStayOff) {
    const bool noDevice = GetParam() == MouseButtonSource::Failure::CannotListen;
    platform.mouseFailure = GetParam();
    main->Load();

    const QString line = noDevice
                             ? QStringLiteral("It was mistake to Create DirectInputDevice Object ")
                             : QStringLiteral("It was mistake to Create DirectInput Object ");
    const QString message =
        noDevice ? QStringLiteral("Mouse用DirectInputDeviceオブジェクトが生成できません。")
                 : QStringLiteral("DirectInputオブジェクトが生成できません。");
    QStringList lines = debugLines();
    EXPECT_TRUE(lines.contains(line));
    EXPECT_FALSE(lines.contains(QStringLiteral("Mouse Events Acquire ･･･ Successfull ")));
    EXPECT_EQ(prompt.texts(), QStringList{message});
    EXPECT_EQ(platform.mouse(), nullptr);

    // The window stays loaded without a device until gestures are switched off.
    main->ui().menuGesture->trigger();
    lines = debugLines();
    EXPECT_FALSE(lines.contains(QStringLiteral("Mouse Events UnAcquire ")));
    EXPECT_TRUE(lines.contains(QStringLiteral("DirectX UnLoding ･･･ End ")));
}

INSTANTIATE_TEST_SUITE_P(BothReasons, GestureOpenFailure,
                         ::testing::Values(MouseButtonSource::Failure::NoInputExtension,
                                           MouseButtonSource::Failure::CannotListen));

}  // namespace
}  // namespace bm
