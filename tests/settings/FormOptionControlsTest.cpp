#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QRadioButton>
#include <QTabWidget>

#include "settings/OptionTestSupport.h"

namespace bm {
namespace {

class FormOptionControls : public test::OptionFixture, public ::testing::Test {
protected:
    QCheckBox* box(const char* name) { return find<QCheckBox>(QLatin1String(name)); }
    void clickBox(const char* name) { click(QLatin1String(name)); }
    QString makeFile(const QString& name) {
        const QString path = folder.file(name);
        test::TempFolder::writeBytes(path, "x");
        return path;
    }
};

TEST_F(FormOptionControls, LoadFillsTheListsAndTabs) {
    auto* tabs = find<QTabWidget>(QStringLiteral("tabOption"));
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral(" 　基本設定　 "));
    EXPECT_EQ(tabs->tabText(4), QStringLiteral(" 双界画面設定 "));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->widget(i)->objectName(), QStringLiteral("frmOption%1").arg(i));
    }
    tabs->setCurrentIndex(3);
    EXPECT_EQ(dialog().CurrentTab(), 3);

    auto* screens = find<QComboBox>(QStringLiteral("cmbStandardScreen"));
    ASSERT_EQ(screens->count(), 15);
    EXPECT_EQ(screens->itemText(2), QStringLiteral("1920×1080  FHD      "));
    EXPECT_EQ(screens->currentText(), QStringLiteral("サブ画面サイズ"));
    auto* sides = find<QComboBox>(QStringLiteral("cmbRelativePosition"));
    ASSERT_EQ(sides->count(), 5);
    EXPECT_EQ(sides->currentText(), QStringLiteral("サブ画面位置"));
    EXPECT_EQ(sides->itemText(3), QStringLiteral("　↑"));
}

TEST_F(FormOptionControls, GraphSwitchResizesTheMainWindowAndKeepsTheBuffer) {
    settings.GraphShow = false;
    dialog().Activate();
    host.rect.setWidth(488);
    clickBox("chkGraph");
    EXPECT_TRUE(settings.GraphShow);
    EXPECT_EQ(host.calls, (QStringList{"graph 1", "width 800"}));

    host.calls.clear();
    host.rect.setWidth(710);  // wide enough already
    clickBox("chkGraph");
    clickBox("chkGraph");
    EXPECT_TRUE(settings.GraphShow);
    EXPECT_EQ(host.calls, (QStringList{"graph 0", "width 600", "graph 1"}));
    EXPECT_EQ(logMessages(),
              (QStringList{"Change GraphDisplay ON ･･･ End ", "Change GraphDisplay OFF ･･･ End ",
                           "Change GraphDisplay ON ･･･ End "}));
}

TEST_F(FormOptionControls, DebugAndGestureSwitchesReachTheMainWindow) {
    run.DebugMode = false;
    settings.GestureEnabled = false;
    dialog().Activate();
    clickBox("chkDebug");
    clickBox("chkGesture");
    clickBox("chkGesture");
    EXPECT_TRUE(run.DebugMode);
    EXPECT_FALSE(settings.GestureEnabled);
    EXPECT_EQ(host.calls, (QStringList{"debug 1", "gestures 1", "gestures 0"}));
    EXPECT_EQ(logMessages(),
              (QStringList{"Change DebugMode ･･･ End ", "Change MouseGesture ON ･･･ End ",
                           "Change MouseGesture OFF ･･･ End "}));
}

TEST_F(FormOptionControls, RecordFileBoxesShowTheNamesTheyGive) {
    settings.PayRecordCsv = false;
    settings.PayRecordMonthly = false;
    dialog().Activate();
    EXPECT_EQ(text("lblSaveCsv"), QStringLiteral(".TXT"));
    EXPECT_EQ(text("lblSaveFile_u"), QStringLiteral("＋ ［開始年月日時分］"));
    clickBox("chkSaveCsv");
    clickBox("chkSaveDistance");
    EXPECT_TRUE(settings.PayRecordCsv);
    EXPECT_TRUE(settings.PayRecordMonthly);
    EXPECT_EQ(text("lblSaveCsv"), QStringLiteral(".CSV"));
    EXPECT_EQ(text("lblSaveFile_u"), QStringLiteral("＋ ［開始年月］月"));
}

TEST_F(FormOptionControls, WindowMemoryRemembersAndForgets) {
    settings.RememberWindowPos = false;
    settings.MultiDisplay = false;
    dialog().Activate();
    host.rect = QRect(-300, 40, 800, 520);
    clickBox("chkWindowMemory");
    EXPECT_TRUE(settings.RememberWindowPos);
    EXPECT_EQ(
        QRect(settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight),
        host.rect);
    EXPECT_EQ(text("lblWindowPosition_sx"), QStringLiteral("-300"));

    // With a second screen the position stays; only the size is forgotten.
    settings.MultiDisplay = true;
    clickBox("chkWindowMemory");
    EXPECT_FALSE(settings.RememberWindowPos);
    EXPECT_EQ(
        QRect(settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight),
        QRect(-300, 40, 0, 0));

    settings.MultiDisplay = false;
    clickBox("chkWindowMemory");
    clickBox("chkWindowMemory");
    EXPECT_EQ(
        QRect(settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight),
        QRect(0, 0, 0, 0));
}

TEST_F(FormOptionControls, DualDisplayIsStoredWithItsNotice) {
    settings.MultiDisplay = false;
    dialog().Activate();
    clickBox("chkDualDisplay");
    EXPECT_TRUE(settings.MultiDisplay);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("このゲームでは変更する必要はありません。"));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("エラー"));
}

TEST_F(FormOptionControls, StartUpNeedsAnExistingApplication) {
    settings.AutoRunPath = {QString(), makeFile(QStringLiteral("tool.exe"))};
    settings.AutoRunEnabled = {false, false};
    dialog().Activate();
    clickBox("chkStartUp0");
    clickBox("chkStartUp1");
    EXPECT_EQ(settings.AutoRunEnabled, (std::array<bool, 2>{false, true}));
    EXPECT_FALSE(box("chkStartUp0")->isChecked());
    EXPECT_TRUE(box("chkStartUp1")->isChecked());
    EXPECT_EQ(prompt.texts(), QStringList{"アプリケーションが見つかりません"});
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("ファイルパスエラー"));
}

TEST_F(FormOptionControls, TypingAMissingPathSwitchesAnEnabledApplicationOff) {
    const QString tool = makeFile(QStringLiteral("tool.exe"));
    settings.AutoRunPath = {tool, tool};
    settings.AutoRunEnabled = {true, false};
    dialog().Activate();
    find<QLineEdit>(QStringLiteral("txtStartUp0"))->setText(tool + QStringLiteral("x"));
    find<QLineEdit>(QStringLiteral("txtStartUp1"))->setText(QStringLiteral("/nowhere/b.exe"));
    EXPECT_EQ(settings.AutoRunEnabled, (std::array<bool, 2>{false, false}));
    EXPECT_FALSE(box("chkStartUp0")->isChecked());
    EXPECT_EQ(settings.AutoRunPath[0], QString());
    EXPECT_EQ(settings.AutoRunPath[1], QStringLiteral("/nowhere/b.exe"));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(FormOptionControls, ImageFormatButtons) {
    settings.ImageExtension = QStringLiteral(".png");
    dialog().Activate();
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("optSaveFormatP"))->isChecked());
    click(QStringLiteral("optSaveFormatJ7"));
    EXPECT_EQ(settings.ImageExtension, QStringLiteral(".jpg70"));
    EXPECT_FALSE(find<QRadioButton>(QStringLiteral("optSaveFormatP"))->isChecked());

    // A key that matches no button (the comparison is exact) selects none.
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
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("アクセスエラー"));

    // Fewer than three characters pass unchecked.
    typeAndLeave(QStringLiteral("txtSaveFolder"), QStringLiteral("ab"));
    EXPECT_EQ(settings.PayRecordFolder, QStringLiteral("ab"));
    typeAndLeave(QStringLiteral("txtSaveFolder"), folder.path());
    EXPECT_EQ(settings.PayRecordFolder, folder.path());
    EXPECT_EQ(prompt.shown.size(), 1u);

    typeAndLeave(QStringLiteral("txtSaveFile"), QStringLiteral("明細"));
    EXPECT_EQ(settings.PayRecordPrefix, QStringLiteral("明細"));
}

TEST_F(FormOptionControls, FolderChooserTakesOnlyAnExistingFolder) {
    settings.PayRecordFolder = QStringLiteral("/old");
    folderAnswer = QString();  // cancelled
    click(QStringLiteral("cmdSaveFolder"));
    folderAnswer = folder.path() + QStringLiteral("/gone");
    click(QStringLiteral("cmdSaveFolder"));
    EXPECT_EQ(settings.PayRecordFolder, QStringLiteral("/old"));
    folderAnswer = folder.path();
    click(QStringLiteral("cmdSaveFolder"));
    EXPECT_EQ(settings.PayRecordFolder, folder.path());
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSaveFolder"))->text(), folder.path());
    EXPECT_EQ(chooserCalls, (QStringList{"folder 0", "folder 0", "folder 0"}));
}

TEST_F(FormOptionControls, ApplicationChooserStartsAtTheCurrentApplication) {
    const QString tool = makeFile(QStringLiteral("tool.exe"));
    settings.AutoRunPath = {QStringLiteral("/nowhere/a.exe"), tool};
    const QString filter = QStringLiteral("アプリケーション(*.exe)|*.exe|All files (*.*)|*.*");
    click(QStringLiteral("cmdStartUp0"));  // cancelled: nothing changes
    fileAnswer = tool;
    click(QStringLiteral("cmdStartUp1"));
    EXPECT_EQ(
        chooserCalls,
        (QStringList{
            QStringList{"アプリケーション選択0", paths.executableFolder, "", "exe", filter}.join(
                '|'),
            QStringList{"アプリケーション選択1", folder.path() + "/", "tool.exe", "exe", filter}
                .join('|')}));
    EXPECT_EQ(settings.AutoRunPath[0], QStringLiteral("/nowhere/a.exe"));
    EXPECT_EQ(settings.AutoRunPath[1], tool);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtStartUp1"))->text(), tool);
}

TEST_F(FormOptionControls, DisplayOffsetFromTheTwoLists) {
    auto* screens = find<QComboBox>(QStringLiteral("cmbStandardScreen"));
    auto* sides = find<QComboBox>(QStringLiteral("cmbRelativePosition"));
    auto choose = [&](int screen, int side) {
        screens->setCurrentIndex(screen);
        sides->setCurrentIndex(side);
        emit sides->activated(side);
    };
    settings.DisplayOffsetX = 5;
    settings.DisplayOffsetY = 7;
    choose(2, 0);   // no side chosen
    choose(14, 1);  // no resolution chosen
    EXPECT_EQ(std::pair(settings.DisplayOffsetX, settings.DisplayOffsetY), std::pair(5, 7));

    choose(2, 1);  // 1920×1080 to the left
    EXPECT_EQ(std::pair(settings.DisplayOffsetX, settings.DisplayOffsetY), std::pair(1920, 0));
    EXPECT_EQ(text("lblDisplayOffset_x"), QStringLiteral("1920"));
    choose(9, 3);  // 1366×768 above
    EXPECT_EQ(std::pair(settings.DisplayOffsetX, settings.DisplayOffsetY), std::pair(0, 768));
    EXPECT_EQ(text("lblDisplayOffset_y"), QStringLiteral("768"));
    for (int side : {2, 4}) {
        choose(9, 3);
        choose(0, side);
        EXPECT_EQ(std::pair(settings.DisplayOffsetX, settings.DisplayOffsetY), std::pair(0, 0));
    }
}

TEST_F(FormOptionControls, ActivateShowsSettingsChangedElsewhere) {
    dialog().Activate();
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

}  // namespace
}  // namespace bm
