#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
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
const QString Idle = QStringLiteral("開始 on, stop off, timer off");
const QString Running = QStringLiteral("ロギング off, stop on, timer on");
const QString Suspended = QStringLiteral("ロギング off, stop on, timer off");

class FormMainTest : public FormMainFixture {
protected:
    QAction* action(const char* name) const { return child<QAction>(name); }
    QWidget* widget(const char* name) const { return child<QWidget>(name); }
    QString menuState() const {
        const auto onOff = [](bool on) {
            return on ? QStringLiteral("on") : QStringLiteral("off");
        };
        return QStringLiteral("%1 %2, stop %3, timer %4")
            .arg(action("menuRun")->text(), onOff(action("menuRun")->isEnabled()),
                 onOff(action("menuStop")->isEnabled()),
                 onOff(child<QTimer>("timCaptureInterval")->isActive()));
    }
    QString logBox() const { return child<QPlainTextEdit>("txtLog")->toPlainText(); }
    QRect rectangle() const { return QRect(main->pos(), main->size()); }
    void resizeTo(int width, int height) {
        main->resize(width, height);
        QApplication::processEvents();
    }
};

TEST_F(FormMainTest, TheGraphAndTheDebugFrameFollowTheirSettings) {
    settings.GraphShow = true;
    load();
    ASSERT_TRUE(widget("frmGraph")->isVisible());
    const int withGraph = main->width();
    // Switched off while wide: the next resize narrows the window.
    settings.GraphShow = false;
    resizeTo(withGraph, 400);
    EXPECT_FALSE(widget("frmGraph")->isVisible());
    EXPECT_LT(main->width(), withGraph);

    EXPECT_FALSE(widget("frmDebug")->isVisible());
    action("menuDebugMode")->trigger();
    ASSERT_TRUE(widget("frmDebug")->isVisible());
    EXPECT_TRUE(widget("picCapture4")->isVisible());
    EXPECT_LT(widget("txtLog")->geometry().bottom(), widget("frmDebug")->y());
}

TEST_F(FormMainTest, EveryResizeStoresTheRectangleWhenItIsRemembered) {
    settings.RememberWindowPos = true;
    load();
    main->move(40, 50);
    resizeTo(488, 444);
    EXPECT_EQ(
        QRect(settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight),
        rectangle());
    // A rule-corrected size is what is stored.
    resizeTo(600, 120);
    EXPECT_EQ(QSize(settings.WindowWidth, settings.WindowHeight), main->size());

    settings.RememberWindowPos = false;
    const int stored = settings.WindowHeight;
    resizeTo(488, 500);
    EXPECT_EQ(main->height(), 500);
    EXPECT_EQ(settings.WindowHeight, stored);
}

TEST_F(FormMainTest, LoadAppliesTheRememberedRectangleWithinTheScreen) {
    settings.WindowLeft = 120;
    settings.WindowTop = 90;
    settings.WindowWidth = 488;
    settings.WindowHeight = 520;
    load();
    EXPECT_EQ(rectangle(), QRect(120, 90, 488, 520));

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
    EXPECT_EQ(main->pos(), QPoint(designPos.x(), 77));
    EXPECT_EQ(main->size(), designSize);
}

TEST_F(FormMainTest, TheRunMenusFollowTheRunThroughSuspensionAndStop) {
    load();
    EXPECT_EQ(menuState(), Idle);
    auto* suspend = child<QPushButton>("cmdTempStop");
    const std::vector<std::tuple<std::function<void()>, QString, bool, const char*>> steps = {
        {[&] { action("menuRun")->trigger(); }, Running, false, "Loging ManualStart ･･･ "},
        {[&] { suspend->click(); }, Suspended, true, "Suspend Mode On "},
        {[&] { suspend->click(); }, Running, false, "Suspend Mode Off "},
        {[&] { action("menuStop")->trigger(); }, Idle, false, "Loging Stop ･･･ End "},
    };
    for (const auto& [act, state, suspended, message] : steps) {
        act();
        EXPECT_EQ(menuState(), state) << message;
        EXPECT_EQ(run.SuspendMode, suspended) << message;
        EXPECT_EQ(suspend->property("suspended").toBool(), suspended) << message;
        EXPECT_TRUE(newLogMessages().contains(QString::fromUtf8(message))) << message;
        EXPECT_EQ(run.LogStartStamp.isEmpty(), state == Idle) << message;
    }
}

TEST_F(FormMainTest, AutoStartBeginsARunBeforeTheStartUpIsComplete) {
    settings.AutoStart = true;
    load();
    EXPECT_EQ(menuState(), Running);
    EXPECT_TRUE(inOrder(logMessages(), {QStringLiteral("Log AutoStart ･･･ "),
                                        QStringLiteral("Program StartUp Complete ")}));
}

TEST_F(FormMainTest, ClosingDuringARunWritesTheSummaryFirstAndEndsTheProgramOnce) {
    settings.GraphShow = true;
    load();
    action("menuRun")->trigger();
    run.Panel.lblStartTime = QStringLiteral("2026/12/05 14:30:00");
    run.Panel.lblEndTime = QStringLiteral("2026/12/05 15:30:00");
    run.Panel.lblElapseTime = QStringLiteral("0日 1時 0分間");
    newLogMessages();

    action("menuEnd")->trigger();
    const QStringList closing = newLogMessages();
    EXPECT_TRUE(inOrder(closing, {QStringLiteral("Click : END "),
                                  QStringLiteral("Measure Result Data Display Complete "),
                                  QStringLiteral("End of the Program ")}));
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
    EXPECT_TRUE(logMessages().contains(QStringLiteral("End of the Program ")));
    EXPECT_FALSE(logMessages().contains(QStringLiteral("Measure Result Data Display Complete ")));
    EXPECT_TRUE(logBox().isEmpty());
}

TEST_F(FormMainTest, TheSettingsMenuShowsTheStateWhenOpenedAndTheTogglesSwitchIt) {
    load();
    auto* config = child<QMenu>("menuConfig");
    for (const bool on : {false, true}) {
        settings.GestureEnabled = on;
        run.DebugMode = !on;
        emit config->aboutToShow();
        EXPECT_EQ(action("menuGesture")->isChecked(), on);
        EXPECT_EQ(action("menuDebugMode")->isChecked(), !on);
    }
    action("menuDebugMode")->trigger();
    EXPECT_TRUE(run.DebugMode);
    action("menuGesture")->trigger();
    EXPECT_FALSE(settings.GestureEnabled);
}

TEST_F(FormMainTest, TheHelpMenuOpensTheDocumentsBesideTheProgramOrFromTheSharedFolder) {
    test::TempFolder::writeBytes(folder.file(QStringLiteral("とりあえず始めよう.mht")), "help");
    const QString shared = folder.file(QStringLiteral("share"));
    QDir().mkpath(shared);
    test::TempFolder::writeBytes(shared + QStringLiteral("/ReadMeL.txt"), "help");
    paths.installedDocumentFolder = shared;
    load();
    action("menuQuick")->trigger();
    action("menuReadMe")->trigger();
    EXPECT_EQ(platform.opened, (QStringList{folder.file(QStringLiteral("とりあえず始めよう.mht")),
                                            shared + QStringLiteral("/ReadMeL.txt")}));
    EXPECT_TRUE(prompt.shown.empty());

    action("menuHowToUse")->trigger();
    EXPECT_EQ(platform.opened.size(), 2);
    EXPECT_EQ(prompt.texts(),
              QStringList{QStringLiteral("使用方法L.mhtファイルが見つかりません。")});
}

TEST_F(FormMainTest, TheVersionWindowOpensModallyAndClosesWithoutEndingTheProgram) {
    load();
    // The window is modal: close it from inside its own event loop, once by
    // its close box and once by Escape, as a user would.
    for (const bool byEscape : {false, true}) {
        QTimer::singleShot(0, main.get(), [byEscape] {
            QWidget* version = QApplication::activeModalWidget();
            ASSERT_NE(version, nullptr);
            EXPECT_EQ(version->objectName(), QStringLiteral("FormVersion"));
            if (byEscape) {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(version, &escape);
            } else {
                version->close();
            }
        });
        action("menuVersion")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(main->isVisible());
}

}  // namespace
}  // namespace bm
