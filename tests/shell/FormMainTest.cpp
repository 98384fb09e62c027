#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "FormMainFixture.h"

namespace bm {
namespace {

using test::FormMainFixture;
using test::inOrder;

// The run menus and the capture timer, as the user sees them.
struct MenuState {
    bool runEnabled;
    QString runCaption;
    bool stopEnabled;
    bool timer;
    bool operator==(const MenuState&) const = default;
};

void PrintTo(const MenuState& s, std::ostream* os) {
    *os << "{run " << (s.runEnabled ? "on" : "off") << " \"" << s.runCaption.toStdString()
        << "\", stop " << (s.stopEnabled ? "on" : "off") << ", timer " << (s.timer ? "on" : "off")
        << "}";
}

class FormMainTest : public FormMainFixture {
protected:
    QAction* action(const char* name) const { return child<QAction>(name); }
    QWidget* widget(const char* name) const { return child<QWidget>(name); }
    // Bottom edge (exclusive) of a control in the client area.
    int bottomOf(const char* name) const {
        const QRect r = widget(name)->geometry();
        return r.y() + r.height();
    }
    MenuState menuState() const {
        return {action("menuRun")->isEnabled(), action("menuRun")->text(),
                action("menuStop")->isEnabled(), child<QTimer>("timCaptureInterval")->isActive()};
    }
    QString logBox() const { return child<QPlainTextEdit>("txtLog")->toPlainText(); }
};

TEST_F(FormMainTest, WithoutTheGraphTheWindowIs488WideAndNeverLowerThan300) {
    load();
    EXPECT_EQ(main->width(), 488);
    EXPECT_FALSE(widget("frmGraph")->isVisible());

    resizeTo(700, 200);
    EXPECT_EQ(main->width(), 488);
    EXPECT_EQ(clientHeight(), 300);
    resizeTo(300, 520);
    EXPECT_EQ(main->width(), 488);
    EXPECT_EQ(clientHeight(), 520 - main->menuBar()->height());
    EXPECT_EQ(widget("txtLog")->width(), 465);
}

TEST_F(FormMainTest, TheGraphTakesEveryPixelBeyond492AndKeepsTheWindowAtLeast710Wide) {
    settings.GraphShow = true;
    load();
    EXPECT_GE(main->width(), 710);
    ASSERT_TRUE(widget("frmGraph")->isVisible());

    resizeTo(500, 420);
    EXPECT_EQ(main->width(), 710);
    EXPECT_EQ(widget("frmGraph")->width(), 710 - 492);
    EXPECT_EQ(widget("frmGraph")->height(), clientHeight() - 6);

    resizeTo(1000, 250);
    EXPECT_EQ(main->width(), 1000);
    EXPECT_EQ(clientHeight(), 300);
    EXPECT_EQ(widget("frmGraph")->width(), 1000 - 492);
    EXPECT_EQ(widget("frmGraph")->height(), 300 - 6);
    EXPECT_EQ(widget("txtLog")->width(), 465);

    // Switched off while wide: the next resize narrows the window.
    settings.GraphShow = false;
    resizeTo(1000, 400);
    EXPECT_EQ(main->width(), 488);
    EXPECT_FALSE(widget("frmGraph")->isVisible());
}

TEST_F(FormMainTest, TheDebugFrameSitsAtTheBottomAndTheLogBoxEndsAboveIt) {
    load();
    resizeTo(488, 560);
    const int h = clientHeight();
    EXPECT_FALSE(widget("frmDebug")->isVisible());
    EXPECT_FALSE(widget("picCapture0")->isVisible());
    EXPECT_EQ(bottomOf("txtLog"), h - 8);

    action("menuDebugMode")->trigger();
    ASSERT_TRUE(widget("frmDebug")->isVisible());
    EXPECT_TRUE(widget("picCapture4")->isVisible());
    // The log box ends 16 above the frame's height from the bottom: 8 above
    // the frame itself, which ends 8 above the bottom.
    const int d = widget("frmDebug")->height();
    EXPECT_EQ(bottomOf("frmDebug"), h - 8);
    EXPECT_EQ(bottomOf("txtLog"), h - d - 16);

    // The rule holds at the smallest height too, and after each resize.
    resizeTo(488, 100);
    EXPECT_EQ(bottomOf("frmDebug"), 300 - 8);
    EXPECT_EQ(bottomOf("txtLog"), 300 - d - 16);
    EXPECT_GT(widget("txtLog")->height(), 0);

    action("menuDebugMode")->trigger();
    EXPECT_FALSE(widget("frmDebug")->isVisible());
    EXPECT_EQ(bottomOf("txtLog"), 300 - 8);
}

TEST_F(FormMainTest, EveryResizeStoresTheRectangleWhenItIsRemembered) {
    settings.RememberWindowPos = true;
    load();
    main->move(40, 50);
    resizeTo(488, 444);
    EXPECT_EQ(settings.WindowLeft, main->x());
    EXPECT_EQ(settings.WindowTop, main->y());
    EXPECT_EQ(settings.WindowWidth, 488);
    EXPECT_EQ(settings.WindowHeight, 444);

    // A rule-corrected size is what is stored.
    resizeTo(600, 120);
    EXPECT_EQ(settings.WindowWidth, 488);
    EXPECT_EQ(settings.WindowHeight, main->height());
    EXPECT_EQ(main->height(), 300 + main->menuBar()->height());

    // Not remembered: the stored rectangle stays as it was.
    settings.RememberWindowPos = false;
    const int stored = settings.WindowHeight;
    resizeTo(488, 500);
    EXPECT_EQ(main->height(), 500);
    EXPECT_EQ(settings.WindowHeight, stored);
}

TEST_F(FormMainTest, LoadAppliesTheRememberedRectangle) {
    settings.WindowLeft = 120;
    settings.WindowTop = 90;
    settings.WindowWidth = 488;
    settings.WindowHeight = 520;
    load();
    EXPECT_EQ(main->pos(), QPoint(120, 90));
    EXPECT_EQ(main->size(), QSize(488, 520));
}

TEST_F(FormMainTest, ARememberedSizeNeverExceedsTheScreen) {
    // Larger than any screen: the window would take gigabytes.
    settings.WindowWidth = 100000;
    settings.WindowHeight = 100000;
    load();
    const QSize screen = main->screen()->availableGeometry().size();
    EXPECT_LE(main->width(), screen.width());
    EXPECT_LE(main->height(), screen.height());
}

TEST_F(FormMainTest, WithoutARememberedWidthOnlyANonZeroEdgeIsApplied) {
    main = std::make_unique<FormMain>(ctx, FormMain::Services{random, input, {}});
    const QPoint designPos = main->pos();
    const QSize designSize = main->size();
    settings.WindowLeft = 0;
    settings.WindowTop = 77;
    settings.WindowHeight = 700;  // ignored without a width
    main->Load();
    QApplication::processEvents();
    EXPECT_EQ(main->pos(), QPoint(designPos.x(), 77));
    EXPECT_EQ(main->size(), designSize);
}

TEST_F(FormMainTest, TheRunMenusFollowTheRunThroughSuspensionAndStop) {
    load();
    const MenuState idle{true, QStringLiteral("開始"), false, false};
    const MenuState running{false, QStringLiteral("ロギング"), true, true};
    EXPECT_EQ(menuState(), idle);

    action("menuRun")->trigger();
    EXPECT_EQ(menuState(), running);
    EXPECT_FALSE(run.LogStartStamp.isEmpty());

    auto* suspend = child<QPushButton>("cmdTempStop");
    suspend->click();
    EXPECT_TRUE(run.SuspendMode);
    EXPECT_EQ(menuState(), (MenuState{false, QStringLiteral("ロギング"), true, false}));
    EXPECT_TRUE(suspend->property("suspended").toBool());
    suspend->click();
    EXPECT_FALSE(run.SuspendMode);
    EXPECT_EQ(menuState(), running);
    EXPECT_FALSE(suspend->property("suspended").toBool());

    action("menuStop")->trigger();
    EXPECT_EQ(menuState(), idle);
    EXPECT_TRUE(run.LogStartStamp.isEmpty());
    EXPECT_TRUE(inOrder(logMessages(),
                        {QStringLiteral("Click : Run "), QStringLiteral("Loging ManualStart ･･･ "),
                         QStringLiteral("Click : Temporarily Stop "),
                         QStringLiteral("Suspend Mode On "), QStringLiteral("Suspend Mode Off "),
                         QStringLiteral("Click : Stop "), QStringLiteral("Loging Stop ･･･ End ")}));
}

TEST_F(FormMainTest, AutoStartBeginsARunBeforeTheStartUpIsComplete) {
    settings.AutoStart = true;
    load();
    EXPECT_EQ(menuState(), (MenuState{false, QStringLiteral("ロギング"), true, true}));
    EXPECT_TRUE(inOrder(logMessages(), {QStringLiteral("Resaizing Form ･･･ End "),
                                        QStringLiteral("Log AutoStart ･･･ "),
                                        QStringLiteral("Program StartUp Complete ")}));
}

TEST_F(FormMainTest, ClosingDuringARunWritesTheSummaryFirstAndEndsTheProgram) {
    settings.GraphShow = true;
    load();
    action("menuRun")->trigger();
    run.Panel.lblStartTime = QStringLiteral("2026/12/05 14:30:00");
    run.Panel.lblEndTime = QStringLiteral("2026/12/05 15:30:00");
    run.Panel.lblElapseTime = QStringLiteral("0日 1時 0分間");
    newLogMessages();

    action("menuEnd")->trigger();
    const QStringList closing = newLogMessages();
    EXPECT_EQ(closing.first(), QStringLiteral("Click : END "));
    EXPECT_TRUE(inOrder(closing, {QStringLiteral("Closing Program ･･･ "),
                                  QStringLiteral("Measure Result Data Display Complete "),
                                  QStringLiteral("End of the Program ")}))
        << closing.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(closing.count(QStringLiteral("End of the Program ")), 1);
    EXPECT_TRUE(logBox().contains(
        QStringLiteral(" 経過: 2026/12/05 14:30:00  ～  2026/12/05 15:30:00  ＝  0日 1時 0分間")));
    EXPECT_TRUE(run.Closing);
    EXPECT_FALSE(child<QTimer>("timCaptureInterval")->isActive());
    EXPECT_FALSE(child<QTimer>("timDoHLInterval")->isActive());
    EXPECT_FALSE(main->isVisible());

    // A second close (the window manager's, after the menu's) runs nothing again.
    main->close();
    EXPECT_TRUE(newLogMessages().isEmpty());
}

TEST_F(FormMainTest, ClosingWithoutARunWritesNoSummary) {
    load();
    main->close();
    const QStringList log = logMessages();
    EXPECT_TRUE(inOrder(
        log, {QStringLiteral("Closing Program ･･･ "), QStringLiteral("End of the Program ")}));
    EXPECT_FALSE(log.contains(QStringLiteral("Measure Result Data Display Complete ")));
    EXPECT_TRUE(logBox().isEmpty());
}

TEST_F(FormMainTest, TheSettingsMenuShowsTheStateWhenOpenedAndTheTogglesLogTheirNewState) {
    load();
    auto* config = child<QMenu>("menuConfig");
    settings.GestureEnabled = false;
    run.DebugMode = true;
    emit config->aboutToShow();
    EXPECT_FALSE(action("menuGesture")->isChecked());
    EXPECT_TRUE(action("menuDebugMode")->isChecked());
    settings.GestureEnabled = true;
    run.DebugMode = false;
    emit config->aboutToShow();
    EXPECT_TRUE(action("menuGesture")->isChecked());
    EXPECT_FALSE(action("menuDebugMode")->isChecked());
    newLogMessages();

    action("menuDebugMode")->trigger();
    EXPECT_TRUE(run.DebugMode);
    action("menuDebugMode")->trigger();
    EXPECT_FALSE(run.DebugMode);
    // A platform without a background mouse: switching gestures on says so.
    platform.mouseFailure = MouseButtonSource::Failure::NoInputExtension;
    action("menuGesture")->trigger();
    EXPECT_FALSE(settings.GestureEnabled);
    action("menuGesture")->trigger();
    EXPECT_TRUE(settings.GestureEnabled);
    const QStringList log = newLogMessages();
    EXPECT_TRUE(inOrder(log, {QStringLiteral("Change DebugMode ON･･･ End "),
                              QStringLiteral("Change DebugMode OFF･･･ End "),
                              QStringLiteral("Change MouseGesture OFF･･･ End "),
                              QStringLiteral("Change MouseGesture ON･･･ End ")}))
        << log.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(
        prompt.texts().contains(QStringLiteral("DirectInputオブジェクトが生成できません。")));
}

TEST_F(FormMainTest, TheHelpMenuOpensTheDocumentsBesideTheProgram) {
    for (const char* name : {"とりあえず始めよう.mht", "ReadMeL.txt"}) {
        test::TempFolder::writeBytes(folder.file(QString::fromUtf8(name)), "help");
    }
    load();
    action("menuQuick")->trigger();
    action("menuReadMe")->trigger();
    EXPECT_EQ(platform.opened, (QStringList{folder.file(QStringLiteral("とりあえず始めよう.mht")),
                                            folder.file(QStringLiteral("ReadMeL.txt"))}));
    EXPECT_TRUE(prompt.shown.empty());

    action("menuHowToUse")->trigger();
    EXPECT_EQ(platform.opened.size(), 2);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("使用方法L.mhtファイルが見つかりません。"));
    EXPECT_TRUE(inOrder(logMessages(), {QStringLiteral("Click : Show Quick Reference "),
                                        QStringLiteral("Click : Show Read Me "),
                                        QStringLiteral("Click : Show How To Use ")}));
}

TEST_F(FormMainTest, AnInstalledProgramOpensTheDocumentsFromItsSharedFolder) {
    const QString shared = folder.file(QStringLiteral("share"));
    QDir().mkpath(shared);
    test::TempFolder::writeBytes(shared + QStringLiteral("/ReadMeL.txt"), "help");
    paths.installedDocumentFolder = shared;
    load();
    action("menuReadMe")->trigger();
    EXPECT_EQ(platform.opened, QStringList{shared + QStringLiteral("/ReadMeL.txt")});
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(FormMainTest, TheVersionWindowOpensModallyAndClosesWithoutEndingTheProgram) {
    load();
    // The window is modal: close it from inside its own event loop, once by
    // its close box and once by Escape, as a user would.
    for (int way = 0; way < 2; ++way) {
        QTimer::singleShot(0, main.get(), [way] {
            QWidget* version = QApplication::activeModalWidget();
            ASSERT_NE(version, nullptr);
            EXPECT_EQ(version->objectName(), QStringLiteral("FormVersion"));
            if (way == 0) {
                version->close();
            } else {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(version, &escape);
            }
        });
        action("menuVersion")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(logMessages().count(QStringLiteral("Click : VersionInformation ")), 2);
}

}  // namespace
}  // namespace bm
