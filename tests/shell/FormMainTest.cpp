#include <QApplication>
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
    QString menuState() const {
        const auto onOff = [](bool on) {
            return on ? QStringLiteral("on") : QStringLiteral("off");
        };
        return QStringLiteral("%1 %2, stop %3, timer %4")
            .arg(action("menuRun")->text(), onOff(action("menuRun")->isEnabled()),
                 onOff(action("menuStop")->isEnabled()),
                 onOff(child<QTimer>("timCaptureInterval")->isActive()));
    }
};

TEST_F(FormMainTest, TheRememberedSizeStaysWithinTheScreenAndEveryResizeIsStored) {
    settings.RememberWindowPos = true;
    settings.WindowWidth = 100000;  // the window would take gigabytes
    settings.WindowHeight = 100000;
    load();
    const QSize screen = main->screen()->availableGeometry().size();
    EXPECT_LE(main->width(), screen.width());
    EXPECT_LE(main->height(), screen.height());

    main->resize(600, 120);  // the layout rule corrects the size; that is stored
    QApplication::processEvents();
    EXPECT_EQ(
        QRect(settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight),
        QRect(main->pos(), main->size()));
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
        EXPECT_TRUE(newLogMessages().contains(QString::fromUtf8(message))) << message;
        EXPECT_EQ(run.LogStartStamp.isEmpty(), state == Idle) << message;
    }
}

TEST_F(FormMainTest, ClosingWritesTheRunSummaryFirstAndEndsTheProgramOnce) {
    settings.GraphShow = true;
    load();
    action("menuRun")->trigger();
    run.Panel.lblStartTime = QStringLiteral("2026/12/05 14:30:00");
    run.Panel.lblEndTime = QStringLiteral("2026/12/05 15:30:00");
    run.Panel.lblElapseTime = QStringLiteral("0日 1時 0分間");
    newLogMessages();

    action("menuEnd")->trigger();
    EXPECT_TRUE(inOrder(newLogMessages(), {QStringLiteral("Click : END "),
                                           QStringLiteral("Measure Result Data Display Complete "),
                                           QStringLiteral("End of the Program ")}));
    EXPECT_TRUE(child<QPlainTextEdit>("txtLog")->toPlainText().contains(
        QStringLiteral(" 経過: 2026/12/05 14:30:00  ～  2026/12/05 15:30:00  ＝  0日 1時 0分間")));
    EXPECT_FALSE(child<QTimer>("timCaptureInterval")->isActive());
    EXPECT_FALSE(child<QTimer>("timDoHLInterval")->isActive());
    // A second close (the window manager's, after the menu's) runs nothing again.
    main->close();
    EXPECT_TRUE(newLogMessages().isEmpty());
}

}  // namespace
}  // namespace bm
