#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QRadioButton>

#include "settings/OptionTestSupport.h"

namespace bm {
namespace {

class FormOptionControls : public test::OptionFixture, public ::testing::Test {
protected:
    QCheckBox* box(const char* name) { return find<QCheckBox>(QLatin1String(name)); }
    QString makeFile(const QString& name) {
        test::TempFolder::writeBytes(folder.file(name), "x");
        return folder.file(name);
    }
    QRect windowRect() const {
        return {settings.WindowLeft, settings.WindowTop, settings.WindowWidth,
                settings.WindowHeight};
    }
};

TEST_F(FormOptionControls, GraphSwitchResizesTheMainWindowAndKeepsTheBuffer) {
    settings.GraphShow = false;
    dialog().Activate();
    host.rect.setWidth(488);
    click(QStringLiteral("chkGraph"));
    EXPECT_TRUE(settings.GraphShow);
    host.rect.setWidth(710);  // wide enough already
    click(QStringLiteral("chkGraph"));
    click(QStringLiteral("chkGraph"));
    EXPECT_EQ(host.calls, (QStringList{"graph 1", "width 800", "graph 0", "width 600", "graph 1"}));
    EXPECT_EQ(logMessages(),
              (QStringList{"Change GraphDisplay ON ･･･ End ", "Change GraphDisplay OFF ･･･ End ",
                           "Change GraphDisplay ON ･･･ End "}));
}

TEST_F(FormOptionControls, WindowMemoryRemembersAndForgets) {
    settings.RememberWindowPos = false;
    settings.MultiDisplay = true;
    dialog().Activate();
    host.rect = QRect(-300, 40, 800, 520);
    click(QStringLiteral("chkWindowMemory"));
    EXPECT_TRUE(settings.RememberWindowPos);
    EXPECT_EQ(windowRect(), host.rect);
    EXPECT_EQ(text("lblWindowPosition_sx"), QStringLiteral("-300"));
    // With a second screen the position stays; only the size is forgotten.
    click(QStringLiteral("chkWindowMemory"));
    EXPECT_FALSE(settings.RememberWindowPos);
    EXPECT_EQ(windowRect(), QRect(-300, 40, 0, 0));
    settings.MultiDisplay = false;
    click(QStringLiteral("chkWindowMemory"));
    click(QStringLiteral("chkWindowMemory"));
    EXPECT_EQ(windowRect(), QRect(0, 0, 0, 0));
}

TEST_F(FormOptionControls, StartUpNeedsAnExistingApplication) {
    settings.AutoRunPath = {QString(), makeFile(QStringLiteral("tool.exe"))};
    settings.AutoRunEnabled = {false, false};
    dialog().Activate();
    click(QStringLiteral("chkStartUp0"));
    click(QStringLiteral("chkStartUp1"));
    EXPECT_EQ(settings.AutoRunEnabled, (std::array<bool, 2>{false, true}));
    EXPECT_FALSE(box("chkStartUp0")->isChecked());
    EXPECT_EQ(prompt.texts(), QStringList{"アプリケーションが見つかりません"});

    // A typed path that does not exist switches an enabled application off.
    find<QLineEdit>(QStringLiteral("txtStartUp1"))->setText(QStringLiteral("/nowhere/b.exe"));
    find<QLineEdit>(QStringLiteral("txtStartUp0"))->setText(QStringLiteral("/nowhere/a.exe"));
    EXPECT_EQ(settings.AutoRunEnabled, (std::array<bool, 2>{false, false}));
    EXPECT_FALSE(box("chkStartUp1")->isChecked());
    EXPECT_EQ(settings.AutoRunPath, (std::array<QString, 2>{"/nowhere/a.exe", ""}));
}

TEST_F(FormOptionControls, ImageFormatButtons) {
    click(QStringLiteral("optSaveFormatJ7"));
    EXPECT_EQ(settings.ImageExtension, QStringLiteral(".jpg70"));
    // A key that matches no button exactly selects none.
    settings.ImageExtension = QStringLiteral(".JPG90");
    dialog().Activate();
    for (const char* name :
         {"optSaveFormatB", "optSaveFormatP", "optSaveFormatJ9", "optSaveFormatJ7"}) {
        EXPECT_FALSE(find<QRadioButton>(QLatin1String(name))->isChecked()) << name;
    }
}

TEST_F(FormOptionControls, SaveFolderIsCheckedWhenLeft) {
    typeAndLeave(QStringLiteral("txtSaveFolder"), folder.path() + QStringLiteral("/missing"));
    EXPECT_EQ(settings.PayRecordFolder, paths.writeFolder);
    EXPECT_EQ(prompt.texts(), QStringList{"フォルダ名が不正です。"});
    // Fewer than three characters pass unchecked.
    typeAndLeave(QStringLiteral("txtSaveFolder"), QStringLiteral("ab"));
    EXPECT_EQ(settings.PayRecordFolder, QStringLiteral("ab"));
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST_F(FormOptionControls, ChoosersChangeSettingsOnlyWithAUsableAnswer) {
    const QString tool = makeFile(QStringLiteral("tool.exe"));
    settings.PayRecordFolder = QStringLiteral("/old");
    settings.AutoRunPath = {QStringLiteral("/nowhere/a.exe"), tool};
    for (const QString& answer : {QString(), folder.file(QStringLiteral("gone")), folder.path()}) {
        folderAnswer = answer;
        click(QStringLiteral("cmdSaveFolder"));
        EXPECT_EQ(settings.PayRecordFolder, answer == folder.path() ? answer : "/old");
    }
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSaveFolder"))->text(), folder.path());

    click(QStringLiteral("cmdStartUp0"));  // cancelled
    fileAnswer = tool;
    click(QStringLiteral("cmdStartUp1"));
    const QString filter = QStringLiteral("アプリケーション(*.exe)|*.exe|All files (*.*)|*.*");
    EXPECT_EQ(chooserCalls.mid(3),
              (QStringList{"アプリケーション選択0|" + paths.executableFolder + "||exe|" + filter,
                           "アプリケーション選択1|" + folder.path() + "/|tool.exe|exe|" + filter}));
    EXPECT_EQ(settings.AutoRunPath, (std::array<QString, 2>{"/nowhere/a.exe", tool}));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtStartUp1"))->text(), tool);
}

TEST_F(FormOptionControls, DisplayOffsetFromTheTwoLists) {
    auto* screens = find<QComboBox>(QStringLiteral("cmbStandardScreen"));
    auto* sides = find<QComboBox>(QStringLiteral("cmbRelativePosition"));
    auto choose = [&](int screen, int side) {
        screens->setCurrentIndex(screen);
        sides->setCurrentIndex(side);
        emit sides->activated(side);
        return std::pair(settings.DisplayOffsetX, settings.DisplayOffsetY);
    };
    settings.DisplayOffsetX = 5;
    settings.DisplayOffsetY = 7;
    EXPECT_EQ(choose(2, 0), std::pair(5, 7));   // no side chosen
    EXPECT_EQ(choose(14, 1), std::pair(5, 7));  // no resolution chosen
    EXPECT_EQ(choose(2, 1), std::pair(1920, 0));
    EXPECT_EQ(text("lblDisplayOffset_x"), QStringLiteral("1920"));
    EXPECT_EQ(choose(9, 3), std::pair(0, 768));
    EXPECT_EQ(choose(0, 2), std::pair(0, 0));
    choose(9, 3);
    EXPECT_EQ(choose(0, 4), std::pair(0, 0));
}

TEST_F(FormOptionControls, ActivateShowsSettingsChangedElsewhere) {
    settings.GestureEnabled = !settings.GestureEnabled;
    run.DebugMode = true;
    settings.CaptureRect[4].Y = 321;
    settings.PayRecordPrefix = QStringLiteral("新しい");
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&dialog(), &activate);
    EXPECT_EQ(box("chkGesture")->isChecked(), settings.GestureEnabled);
    EXPECT_TRUE(box("chkDebug")->isChecked());
    EXPECT_EQ(text("lblCapture_ay2"), QStringLiteral("321"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSaveFile"))->text(), QStringLiteral("新しい"));
    // Showing the values runs none of the handlers.
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_TRUE(logMessages().isEmpty());
}

// The buttons along the bottom of the dialog.
class FormOptionButtons : public FormOptionControls {};

// Return hides the dialog, shows the main window and sets its watch; the
// close box only hides.
TEST_F(FormOptionButtons, ReturnShowsTheMainWindowAndSetsItsWatch) {
    settings.ShotCheckEnabled = true;
    settings.ShotCheckInterval = 700;
    dialog().show();
    click(QStringLiteral("cmdEnd"));
    EXPECT_FALSE(dialog().isVisible());
    settings.ShotCheckEnabled = false;
    dialog().show();
    click(QStringLiteral("cmdEnd"));
    dialog().show();
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(host.calls, (QStringList{"show main", "watch 700 1", "show main", "watch 700 0"}));
}

TEST_F(FormOptionButtons, RegionTestFillsThePreviews) {
    click(QStringLiteral("cmdCapture"));
    EXPECT_EQ(captures, (std::vector<int>{0, 1, 2, 3, 4}));
    for (int i = 0; i < 5; ++i) {
        const QPixmap picture = find<QLabel>(QStringLiteral("picCapture%1").arg(i))->pixmap();
        EXPECT_EQ(picture.width(), 10 + i);
    }
}

// Initialise asks first: "no" changes nothing; "yes" resets the settings,
// writes the file and shows the defaults, and the graph buffer follows.
TEST_F(FormOptionButtons, InitialiseAsksThenResetsWritesAndShows) {
    const Settings defaults = settings;
    settings.CaptureInterval = 42;
    settings.GraphShow = !defaults.GraphShow;
    const Settings changed = settings;
    const QByteArray file = test::TempFolder::readBytes(configPath());
    dialog().Activate();
    prompt.queue(PromptAnswer::No);
    click(QStringLiteral("cmdInit"));
    EXPECT_EQ(settings, changed);
    EXPECT_EQ(test::TempFolder::readBytes(configPath()), file);
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(host.calls.isEmpty());

    QFile::remove(configPath());
    click(QStringLiteral("cmdInit"));  // every question answered yes
    EXPECT_EQ(settings, defaults);
    EXPECT_TRUE(QFile::exists(configPath()));
    EXPECT_EQ(text("lblCaptureInterval"), QString::number(defaults.CaptureInterval));
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("graph %1").arg(defaults.GraphShow)});
    const QStringList log = logMessages();
    EXPECT_EQ(log.first(), QStringLiteral("Click : Setting Initialize "));
    EXPECT_EQ(log.last(), QStringLiteral("Initializing ConfigFile ･･･ End "));
}

// Save writes the settings file and Load reads it back (every field's round
// trip is the settings file's own test); the dialog shows the loaded values,
// and the graph buffer and gesture window follow the loaded switches.
TEST_F(FormOptionButtons, SaveThenLoadShowsTheSavedSettings) {
    const Settings defaults = settings;
    settings.CaptureInterval = 17;
    settings.PayRecordPrefix = QStringLiteral("明細");
    settings.GraphShow = !settings.GraphShow;
    settings.GestureEnabled = !settings.GestureEnabled;
    const Settings saved = settings;
    click(QStringLiteral("cmdSave"));

    settings = defaults;
    click(QStringLiteral("cmdLoad"));

    EXPECT_EQ(settings, saved);
    EXPECT_EQ(text("lblCaptureInterval"), QStringLiteral("17"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSaveFile"))->text(), QStringLiteral("明細"));
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("graph %1").arg(saved.GraphShow),
                                       QStringLiteral("gestures %1").arg(saved.GestureEnabled)}));
    EXPECT_EQ(logMessages(), (QStringList{"Click : Setting Save ", "Saving ConfigFile ･･･ End ",
                                          "Click : Setting Load ", "Loading ConfigFile ･･･ End "}));
}

}  // namespace
}  // namespace bm
