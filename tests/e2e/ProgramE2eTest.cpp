#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QThread>

#include "PayRecordLines.h"
#include "ProgramHarness.h"
#include "SimProcess.h"
#include "app/Cp932.h"
#include "app/MiniViewPlacement.h"
#include "platform/x11/X11Platform.h"
#include "support/TextLines.h"

// Xlib last: its macros clash with Qt names.
#include <X11/Xlib.h>

namespace bm {
namespace {

using test::inOrder;

const QString GameTitle = QStringLiteral("LaTale Client");

TEST(ProgramAgainstStandIn, MeasuresTheStandInAndClosesWithTheSummary) {
    // The stand-in starts at level 57, 12.34 % and 1,234,567 ELY.
    test::SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("40,40")}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    test::ProgramHarness program;
    ASSERT_TRUE(program.ready());

    // Below the stand-in, so the main window never covers it; the graph
    // drawn during the run.
    Settings s = program.autoRunSettings(240);
    s.GraphShow = true;
    ASSERT_TRUE(program.writeSettings(s));

    ASSERT_TRUE(program.start()) << program.output().toStdString();
    EXPECT_TRUE(inOrder(
        program.logMessages(),
        {QStringLiteral("Starting Program  ") + test::ProgramHarness::programTitle(),
         QStringLiteral("Execute Folder : ") + program.programFolder(),
         QStringLiteral("Result of System File Check : No Problem "),
         QStringLiteral("Reading ConfigFile ･･･ End "), QStringLiteral("Log AutoStart ･･･ "),
         QStringLiteral("Program StartUp Complete ")}))
        << program.logMessages().join(QLatin1Char('\n')).toStdString();

    // The game must be in front for a capture to happen.
    ASSERT_NE(program.mainWindow(), 0u);
    ASSERT_TRUE(program.activate(GameTitle));

    // The first capture (15 s after the start) takes the baseline and
    // begins the pay record with its header.
    ASSERT_TRUE(test::eventually([&] { return !program.payRecordFiles().isEmpty(); }, 45000))
        << program.logMessages().join(QLatin1Char('\n')).toStdString();
    const QStringList files = program.payRecordFiles();
    ASSERT_EQ(files.size(), 1);
    const QString record = program.file(QStringLiteral("log/") + files[0]);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^給与明細\\d{12}\\.txt$")).match(files[0]).hasMatch())
        << files[0].toStdString();
    const QByteArray header = cp932::encode(QStringLiteral(
        " 月日 時刻      Lv         Exp             ELY         獲得Exp           獲得ELY     "
        "経過(分)   Exp時給(%)     ELY時給(k) \r\n"));
    EXPECT_EQ(test::TempFolder::readBytes(record), header);

    // New figures before the second capture, a minute later.
    ASSERT_TRUE(sim.send(QStringLiteral("exp 15.00 money 1240000")));
    ASSERT_TRUE(test::eventually(
        [&] { return test::TempFolder::readBytes(record).size() > header.size(); }, 90000))
        << program.logMessages().join(QLatin1Char('\n')).toStdString();
    QThread::msleep(200);  // the line is written in one call; let it finish
    const QByteArray bytes = test::TempFolder::readBytes(record);
    ASSERT_TRUE(bytes.startsWith(header));
    const QString line = cp932::decode(bytes.mid(header.size()));
    ASSERT_TRUE(line.endsWith(QStringLiteral("\r\n")));
    const QDateTime when = QDateTime::fromString(line.left(11), QStringLiteral("MM/dd HH:mm"));
    EXPECT_TRUE(when.isValid()) << line.toStdString();
    EXPECT_TRUE(test::recordLinesAfter(50, 85).contains(line.mid(11))) << line.toStdString();
    // Every byte is the encoding of the text (the Japanese header included).
    EXPECT_EQ(cp932::encode(cp932::decode(bytes)), bytes);

    ASSERT_TRUE(program.close()) << program.output().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
    const QStringList log = program.logMessages();
    EXPECT_TRUE(inOrder(log, {QStringLiteral("Closing Program ･･･ "),
                              QStringLiteral("Measure Result Data Display Complete "),
                              QStringLiteral("End of the Program ")}))
        << log.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(log.count(QStringLiteral("End of the Program ")), 1);
}

TEST(ProgramAgainstStandIn, CompactViewLeavesTheCaptureRegionsAndTheClassicSettingsAlone) {
    test::SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("40,40")}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    test::ProgramHarness program;
    ASSERT_TRUE(program.ready());
    Settings s = program.standInSettings();
    s.WindowLeft = 10;
    s.WindowTop = 240;
    ASSERT_TRUE(program.writeSettings(s));
    const QString configPath = program.file(QStringLiteral("TK2LConfig.ini"));
    const QByteArray config = test::TempFolder::readBytes(configPath);

    // Remembered right on top of the level region of the game window.
    std::vector<QRect> regions;
    ASSERT_TRUE(test::eventually(
        [&] {
            regions = CaptureRectsOnScreen(program.x11(),
                                           program.x11().findWindowByTitle(s.SearchWindowName), s);
            return !regions.empty();
        },
        5000));
    test::TempFolder::writeBytes(program.file(QStringLiteral("Brindlemark.ini")),
                                 QStringLiteral("[MiniView]\nShown=true\nX=%1\nY=%2\n")
                                     .arg(regions[0].x())
                                     .arg(regions[0].y())
                                     .toUtf8());
    ASSERT_TRUE(program.start()) << program.output().toStdString();

    WindowId mini = 0;
    ASSERT_TRUE(test::eventually(
        [&] { return (mini = program.x11().findWindowByTitle(QStringLiteral("ミニ表示"))) != 0; },
        10000));
    std::optional<WindowRect> outer;
    const auto clear = [&] {
        outer = program.x11().windowRect(mini);
        if (!outer) {
            return false;
        }
        const QRect view(outer->left, outer->top, outer->width(), outer->height());
        return std::none_of(regions.begin(), regions.end(),
                            [&](const QRect& r) { return r.intersects(view); });
    };
    EXPECT_TRUE(test::eventually(clear, 10000));

    ASSERT_TRUE(program.close()) << program.output().toStdString();
    EXPECT_EQ(test::TempFolder::readBytes(configPath), config);
    const QString extra = QString::fromUtf8(
        test::TempFolder::readBytes(program.file(QStringLiteral("Brindlemark.ini"))));
    EXPECT_TRUE(extra.contains(QStringLiteral("Shown=true"))) << extra.toStdString();
    EXPECT_FALSE(extra.contains(QStringLiteral("X=%1\n").arg(regions[0].x())) &&
                 extra.contains(QStringLiteral("Y=%1\n").arg(regions[0].y())))
        << extra.toStdString();
}

// Opened for the first time the main window keeps off the status bar; a
// window laid over the status bar afterwards is reported, once in the debug
// log and in the popup, and its captures do not count as failed reads.
TEST(ProgramAgainstStandIn, OpensOffTheStatusBarAndReportsAWindowOverIt) {
    test::SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("40,40")}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    test::ProgramHarness program;
    ASSERT_TRUE(program.ready());
    Settings s = program.standInSettings();
    s.AutoStart = true;
    s.StartDelay = 0;
    s.ShotCheckEnabled = false;
    ASSERT_TRUE(program.writeSettings(s));
    ASSERT_TRUE(program.start()) << program.output().toStdString();
    X11Platform& x = program.x11();
    const std::vector<QRect> regions =
        CaptureRectsOnScreen(x, x.findWindowByTitle(s.SearchWindowName), s);
    ASSERT_FALSE(regions.empty());
    const auto main = x.windowRect(program.mainWindow());
    ASSERT_TRUE(main.has_value());
    const QRect mainRect(main->left, main->top, main->width(), main->height());
    for (const QRect& r : regions) {
        EXPECT_FALSE(r.intersects(mainRect)) << mainRect.x() << "," << mainRect.y();
    }
    ASSERT_TRUE(program.activate(GameTitle));

    // An unmanaged window lies over the whole status bar without taking the focus.
    QRect bar;
    for (const QRect& r : regions) {
        bar |= r;
    }
    Display* d = x.display();
    XSetWindowAttributes a{};
    a.override_redirect = True;
    a.background_pixel = WhitePixel(d, DefaultScreen(d));
    const Window cover = XCreateWindow(d, DefaultRootWindow(d), bar.x(), bar.y(), bar.width(),
                                       bar.height(), 0, CopyFromParent, InputOutput, CopyFromParent,
                                       CWOverrideRedirect | CWBackPixel, &a);
    XMapRaised(d, cover);
    XSync(d, False);

    const QString covered = QStringLiteral("Capture Region Covered By Another Window ");
    ASSERT_TRUE(program.waitForLog(covered, 45000))
        << program.logMessages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(
        test::eventually([&] { return x.findWindowByTitle(QStringLiteral("エラー")) != 0; }, 5000));
    const auto captures = [&] {
        return program.logMessages().count(QStringLiteral("CaptureImage7"));
    };
    const int seen = captures();
    ASSERT_TRUE(test::eventually([&] { return captures() > seen; }, 30000));
    EXPECT_EQ(program.logMessages().count(covered), 1);
    EXPECT_TRUE(program.logMessages().filter(QStringLiteral("misstep")).isEmpty());
    EXPECT_TRUE(program.payRecordFiles().isEmpty());

    // Uncovered, the next capture measures.
    XDestroyWindow(d, cover);
    XSync(d, False);
    EXPECT_TRUE(test::eventually([&] { return !program.payRecordFiles().isEmpty(); }, 30000));
    ASSERT_TRUE(program.close()) << program.output().toStdString();
}

}  // namespace
}  // namespace bm
