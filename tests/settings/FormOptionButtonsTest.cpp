#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QTabWidget>

#include "settings/ConfigFile.h"
#include "settings/OptionTestSupport.h"

namespace bm {
namespace {

class FormOptionButtons : public test::OptionFixture, public ::testing::Test {};

TEST_F(FormOptionButtons, ReturnShowsTheMainWindowAndSetsItsWatch) {
    settings.ShotCheckEnabled = true;
    settings.ShotCheckInterval = 700;
    dialog().show();
    click(QStringLiteral("cmdEnd"));
    EXPECT_FALSE(dialog().isVisible());
    settings.ShotCheckEnabled = false;
    dialog().show();
    click(QStringLiteral("cmdEnd"));
    EXPECT_EQ(host.calls, (QStringList{"show main", "watch 700 1", "show main", "watch 700 0"}));
}

TEST_F(FormOptionButtons, CloseBoxOnlyHides) {
    dialog().show();
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(FormOptionButtons, RegionTestFillsThePreviews) {
    click(QStringLiteral("cmdCapture"));
    EXPECT_EQ(captures, (std::vector<int>{0, 1, 2, 3, 4}));
    for (int i = 0; i < 5; ++i) {
        const QPixmap picture = find<QLabel>(QStringLiteral("picCapture%1").arg(i))->pixmap();
        EXPECT_EQ(picture.width(), 10 + i);
    }
}

TEST_F(FormOptionButtons, InitialiseAnsweredNoChangesNothing) {
    settings.CaptureInterval = 42;
    settings.GraphShow = !settings.GraphShow;
    const Settings before = settings;
    const QByteArray file = test::TempFolder::readBytes(configPath());
    prompt.queue(PromptAnswer::No);
    click(QStringLiteral("cmdInit"));
    EXPECT_EQ(settings, before);
    EXPECT_EQ(test::TempFolder::readBytes(configPath()), file);
    EXPECT_EQ(prompt.texts(), QStringList{"設定を初期化してもよろしいですか？"});
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("設定ファイル変更"));
    EXPECT_EQ(prompt.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(logMessages(), QStringList{"Click : Setting Initialize "});
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(FormOptionButtons, InitialiseResetsWritesAndShows) {
    const Settings defaults = settings;
    settings.CaptureInterval = 42;
    settings.GraphShow = !defaults.GraphShow;
    dialog().Activate();
    QFile::remove(configPath());
    click(QStringLiteral("cmdInit"));  // every question answered yes
    EXPECT_EQ(settings, defaults);
    EXPECT_TRUE(QFile::exists(configPath()));
    EXPECT_EQ(text("lblCaptureInterval"), QString::number(defaults.CaptureInterval));
    // The graph buffer follows the reset graph setting.
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("graph %1").arg(defaults.GraphShow)});
    const QStringList log = logMessages();
    EXPECT_EQ(log.first(), QStringLiteral("Click : Setting Initialize "));
    EXPECT_EQ(log.last(), QStringLiteral("Initializing ConfigFile ･･･ End "));
}

// Every field goes through the settings file and comes back as it was.
TEST_F(FormOptionButtons, SaveThenLoadRoundTripsEveryField) {
    const Settings defaults = settings;
    Settings& s = settings;
    for (int i = 0; i < 3; ++i) {
        s.CaptureRect[i] = {10 + i, 20 + i, 30 + i, 12 + i};
    }
    s.CaptureRect[3] = {40, 50, s.CaptureRect[1].Width, s.CaptureRect[1].Height};
    s.CaptureRect[4] = {41, 51, s.CaptureRect[2].Width, s.CaptureRect[2].Height};
    s.AutoStart = !s.AutoStart;
    s.CaptureInterval = 17;
    s.BeepOnCapture = !s.BeepOnCapture;
    s.PayRecordFolder = folder.path();
    s.PayRecordPrefix = QStringLiteral("明細");
    s.PayRecordCsv = !s.PayRecordCsv;
    s.PayRecordMonthly = !s.PayRecordMonthly;
    s.LagCancelTime = 30;
    s.StartDelay = 45;
    s.AutoRunEnabled = {true, false};
    s.AutoRunPath = {folder.file(QStringLiteral("a.exe")), folder.file(QStringLiteral("b.exe"))};
    s.AutoRun2Delay = 55;
    s.ShotCheckEnabled = !s.ShotCheckEnabled;
    s.ShotCheckInterval = 1300;
    s.ImageExtension = QStringLiteral(".jpg70");
    s.GestureEnabled = !s.GestureEnabled;
    s.GestureWaitTime = 650;
    s.GraphShow = !s.GraphShow;
    s.GraphPoints = 120;
    s.GraphAverageCount = 7;
    s.RememberWindowPos = true;
    s.WindowLeft = -64;
    s.WindowTop = 32;
    s.WindowWidth = 816;
    s.WindowHeight = 512;
    s.MultiDisplay = true;
    s.DisplayOffsetX = -1024;
    s.DisplayOffsetY = 768;
    const Settings saved = s;
    click(QStringLiteral("cmdSave"));

    settings = defaults;
    click(QStringLiteral("cmdLoad"));

    EXPECT_EQ(settings, saved);
    EXPECT_EQ(text("lblCaptureInterval"), QStringLiteral("17"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSaveFile"))->text(), QStringLiteral("明細"));
    // The graph buffer and the gesture window follow the loaded switches.
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("graph %1").arg(saved.GraphShow),
                                       QStringLiteral("gestures %1").arg(saved.GestureEnabled)}));
    EXPECT_EQ(logMessages(), (QStringList{"Click : Setting Save ", "Saving ConfigFile ･･･ End ",
                                          "Click : Setting Load ", "Loading ConfigFile ･･･ End "}));
}

}  // namespace
}  // namespace bm
