#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QUrl>
#include <functional>
#include <map>

#include "LayoutTwin.h"
#include "ProgramHarness.h"
#include "SimProcess.h"
#include "UserInput.h"
#include "app/Cp932.h"
#include "app/SettingBounds.h"
#include "platform/x11/X11Platform.h"
#include "support/TextLines.h"
#include "util/FormVersion.h"

namespace bm {
namespace {

using test::inOrder;

const QString GameTitle = QStringLiteral("LaTale Client");
const QString OptionsTitle = QStringLiteral("オプション");
const QString InputTitle = QStringLiteral("設定値入力");
const QString VersionTitle = QStringLiteral("バージョン情報");
const QString RandomOneTitle = QStringLiteral("らんだまーオンリーONE");
const QString RandomSomeTitle = QStringLiteral("らんだまーステキなサムシング");
const QString RandomOnePrompt = QStringLiteral("乱数の上限値を入力してください");
const QString RandomSomePrompt = QStringLiteral("乱数の個数を入力してください");
const QString FolderTitle = QStringLiteral("フォルダーの参照");
const QString FileTitle = QStringLiteral("アプリケーション選択0");

// The menus of the main window in bar order, with their items in order.
const std::vector<std::pair<QString, QStringList>> Menus = {
    {QStringLiteral("ファイル"), {QStringLiteral("パターン保存"), QStringLiteral("終了")}},
    {QStringLiteral("設定"),
     {QStringLiteral("オプション..."), QStringLiteral("マウスジェスチャ"),
      QStringLiteral("デバッグモード"), QStringLiteral("ミニ表示")}},
    {QStringLiteral("ツール"),
     {RandomOneTitle, RandomSomeTitle, QStringLiteral("プリントスクリーン"),
      QStringLiteral("結果をコピー"), QStringLiteral("認識失敗の画像を開く")}},
    {QStringLiteral("ヘルプ"),
     {QStringLiteral("クイックリファレンス"), QStringLiteral("使用方法"),
      QStringLiteral("よんで！"), QStringLiteral("実行環境調査"),
      QStringLiteral("バージョン情報...")}},
};

// From the menu bar's first menu (where Alt puts the keyboard) to the
// others, without passing 開始 and 停止: one of them is always disabled.
const std::map<QString, QStringList> BarKeys = {
    {QStringLiteral("ファイル"), {}},
    {QStringLiteral("設定"), {QStringLiteral("Right")}},
    {QStringLiteral("ツール"), {QStringLiteral("Left"), QStringLiteral("Left")}},
    {QStringLiteral("ヘルプ"), {QStringLiteral("Left")}},
};

int itemIndex(const QString& menu, const QString& item) {
    for (const auto& [caption, items] : Menus) {
        if (caption == menu) {
            return static_cast<int>(items.indexOf(item));
        }
    }
    return -1;
}

// How the user reaches a menu item: Alt and the arrow keys, or a click on
// the menu bar and the arrow keys in the opened menu.
enum class Open { Keys, Mouse };
// How the user closes a window: its OK or Cancel button (clicked), the
// Escape key, the window manager's close button (clicked), or the window
// manager's close key (Alt+F4). Each asks the window to close as the user
// does, through the X server and the window manager. None: the step shows
// no window.
enum class Close { None, Ok, Cancel, Escape, CloseBox, CloseKey };

const char* closeName(Close how) {
    switch (how) {
        case Close::None:
            return "-";
        case Close::Ok:
            return "OK";
        case Close::Cancel:
            return "Cancel";
        case Close::Escape:
            return "Escape";
        case Close::CloseBox:
            return "close box";
        case Close::CloseKey:
            return "Alt+F4";
    }
    return "?";
}

class Walker;

// One step of the walk: a menu item, how it is opened, the window it shows
// (none for commands that show nothing), what the user does there, how the
// window is closed, and the debug-log lines the step writes, in order.
struct Step {
    QString menu;
    QString item;
    Open open;
    QString window;
    Close close;
    QStringList log;
    std::function<void(Walker&, WindowId)> use = {};
    int logTimeoutMs = 20000;
};

// Drives the running program through its menus and windows and checks it
// after every step.
class Walker {
public:
    Walker(test::ProgramHarness& program, const Settings& settings, QString openerRecord)
        : program(program),
          input(program.x11()),
          twin(settings),
          openerRecord_(std::move(openerRecord)) {}

    // Opens a menu item of the main window.
    void openMenu(const QString& menu, const QString& item, Open how) {
        const int index = itemIndex(menu, item);
        ASSERT_GE(index, 0) << item.toStdString();
        const WindowId main = mainWindow();
        ASSERT_TRUE(input.focus(main));
        QStringList keys;
        if (how == Open::Keys) {
            // Alt alone puts the keyboard on the menu bar; Down opens the
            // menu with its first item chosen.
            keys << QStringLiteral("alt") << BarKeys.at(menu) << QStringLiteral("Down");
        } else {
            ASSERT_TRUE(input.click(main, twin.menuBarItem(menu, runActive)));
            keys << QStringLiteral("Down");  // a menu opened by a click has no item chosen
        }
        for (int i = 0; i < index; ++i) {
            keys << QStringLiteral("Down");
        }
        keys << QStringLiteral("Return");
        ASSERT_TRUE(input.keys(keys));
    }

    // A click on a command of the menu bar itself (開始, 停止).
    void clickBar(const QString& caption) {
        const WindowId main = mainWindow();
        ASSERT_TRUE(input.focus(main));
        ASSERT_TRUE(input.click(main, twin.menuBarItem(caption, runActive)));
    }

    // Closes a window the way named; the window must then be gone.
    void close(WindowId window, const QString& title, Close how) {
        ASSERT_TRUE(input.focus(window)) << title.toStdString();
        switch (how) {
            case Close::None:
                break;
            case Close::Ok:
            case Close::Cancel:
                clickButton(window, title, how == Close::Ok);
                break;
            case Close::Escape:
                ASSERT_TRUE(input.keys({QStringLiteral("Escape")}));
                break;
            case Close::CloseBox:
                ASSERT_TRUE(input.clickCloseBox(window));
                break;
            case Close::CloseKey:
                ASSERT_TRUE(input.keys({QStringLiteral("alt+F4")}));
                break;
        }
        EXPECT_TRUE(input.waitForNoWindow(title))
            << title.toStdString() << " still open after " << closeName(how);
    }

    // Clicks a control of a window of the program, found by its name.
    void clickControl(WindowId window, QPoint where, const QString& name) {
        ASSERT_GE(where.x(), 0) << "no control " << name.toStdString();
        ASSERT_TRUE(input.click(window, where)) << name.toStdString();
    }

    void clickButton(WindowId window, const QString& title, bool ok) {
        const QSize size = input.clientSize(window);
        if (title == OptionsTitle) {
            const QString name = ok ? QStringLiteral("cmdEnd") : QString();
            ASSERT_FALSE(name.isEmpty()) << "the options dialog has no cancel button";
            clickControl(window, twin.optionsControl(name, optionsPage, size), name);
            return;
        }
        // The numeric input dialog, under its several titles.
        const QString name = ok ? QStringLiteral("cmdEnter") : QStringLiteral("cmdCancel");
        clickControl(window, twin.inputControl(name, inputPrompt, size), name);
    }

    // Runs one step and checks its window, its log lines and that the
    // program still runs.
    void run(const Step& step) {
        SCOPED_TRACE((step.menu + QStringLiteral(" > ") + step.item + QStringLiteral(" (") +
                      (step.window.isEmpty() ? QStringLiteral("no window") : step.window) +
                      QStringLiteral(", ") + QString::fromLatin1(closeName(step.close)) +
                      QStringLiteral(")"))
                         .toStdString());
        const qsizetype before = program.logMessages().size();
        if (step.item == RandomOneTitle) {
            inputPrompt = RandomOnePrompt;
        } else if (step.item == RandomSomeTitle) {
            inputPrompt = RandomSomePrompt;
        }
        openMenu(step.menu, step.item, step.open);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        if (!step.window.isEmpty()) {
            const WindowId window = input.waitForWindow(step.window);
            ASSERT_NE(window, 0u) << "the window did not open";
            if (step.use) {
                step.use(*this, window);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
            close(window, step.window, step.close);
        } else if (step.use) {
            step.use(*this, 0);
        }
        expectLogSince(before, step.log, step.logTimeoutMs);
    }

    // The debug log has these lines, in order, after the first `before`
    // lines, and the program still runs.
    void expectLogSince(qsizetype before, const QStringList& lines, int timeoutMs = 20000) {
        test::eventually([&] { return inOrder(program.logMessages().mid(before), lines); },
                         timeoutMs);
        EXPECT_TRUE(inOrder(program.logMessages().mid(before), lines))
            << "wanted:\n"
            << lines.join(QLatin1Char('\n')).toStdString() << "\ngot:\n"
            << program.logMessages().mid(before).join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(program.alive()) << program.output().toStdString();
    }

    // What the desktop's opener was asked to open, as local paths or URLs.
    QStringList opened() const {
        QFile f(openerRecord_);
        if (!f.open(QIODevice::ReadOnly)) {
            return {};
        }
        QStringList out;
        for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
            if (!line.isEmpty()) {
                const QUrl url(line);
                out << (url.isLocalFile() ? url.toLocalFile() : line);
            }
        }
        return out;
    }

    WindowId mainWindow() { return program.mainWindow(); }

    test::ProgramHarness& program;
    test::UserInput input;
    test::LayoutTwin twin;
    int optionsPage = 0;
    QString inputPrompt;
    bool runActive = false;

private:
    QString openerRecord_;
};

// Types a number into the numeric input dialog (its text is selected, so
// typing replaces it).
std::function<void(Walker&, WindowId)> typeNumber(const QString& number) {
    return [number](Walker& w, WindowId) { ASSERT_TRUE(w.input.type(number)); };
}

// Clicks the version window's home-page link twice: the second click opens it.
void openHomePage(Walker& w, WindowId window) {
    const QPoint link =
        w.twin.versionControl(QStringLiteral("lblHomePage"), w.input.clientSize(window));
    w.clickControl(window, link, QStringLiteral("lblHomePage"));
    QThread::msleep(300);
    w.clickControl(window, link, QStringLiteral("lblHomePage"));
    const QString url = QString::fromLatin1(kHomePageUrl);
    EXPECT_TRUE(test::eventually([&] { return w.opened().contains(url); }, 10000))
        << w.opened().join(QLatin1Char('\n')).toStdString();
}

// The compact view opened by the menu item: it shows, and the same item
// chosen again (by the keyboard: the view may lie over the menu bar) takes
// it away.
void toggleMiniView(Walker& w, WindowId) {
    const QString title = QStringLiteral("ミニ表示");
    ASSERT_NE(w.input.waitForWindow(title), 0u) << "the compact view did not open";
    w.openMenu(QStringLiteral("設定"), title, Open::Keys);
    EXPECT_TRUE(w.input.waitForNoWindow(title)) << "the compact view stayed open";
}

QStringList helpLines(const QString& click, const QString& path) {
    return {click, QStringLiteral("Execution File Start ･･･  ") + path,
            QStringLiteral("Execution File Finish ")};
}

// Every window and command of the menus except the options dialog and the
// measuring run, each opened and closed in the ways a user can. The
// environment report only fills the log box: it writes no debug-log line,
// so its step checks only that the program lives on.
std::vector<Step> menuSteps(const QString& folder) {
    const QString help = QStringLiteral("ヘルプ");
    const QString tools = QStringLiteral("ツール");
    const QString config = QStringLiteral("設定");
    const QString version = QStringLiteral("バージョン情報...");
    const QStringList versionLog = {QStringLiteral("Click : VersionInformation ")};
    const QStringList homePageLog = {
        QStringLiteral("Click : VersionInformation "),
        QStringLiteral("Execution Url Start ･･･  ") + QString::fromLatin1(kHomePageUrl),
        QStringLiteral("Execution Url Finish ")};
    const QStringList oneLog = {QStringLiteral("Click : RandomOne ")};
    const QStringList someLog = {QStringLiteral("Click : RandomSome ")};
    // clang-format off
    return {
        // menu  item                              open         window           close            log
        {help,  version,                           Open::Keys,  VersionTitle,    Close::Escape,   versionLog},
        {help,  version,                           Open::Mouse, VersionTitle,    Close::CloseBox, homePageLog, openHomePage},
        {help,  version,                           Open::Keys,  VersionTitle,    Close::CloseKey, versionLog},
        {help,  QStringLiteral("実行環境調査"),     Open::Mouse, {},              Close::None,     {}},
        {help,  QStringLiteral("クイックリファレンス"), Open::Keys, {},           Close::None,
         helpLines(QStringLiteral("Click : Show Quick Reference "), folder + QStringLiteral("/とりあえず始めよう.mht"))},
        {help,  QStringLiteral("使用方法"),          Open::Mouse, {},              Close::None,
         helpLines(QStringLiteral("Click : Show How To Use "), folder + QStringLiteral("/使用方法L.mht"))},
        {help,  QStringLiteral("よんで！"),          Open::Keys,  {},              Close::None,
         helpLines(QStringLiteral("Click : Show Read Me "), folder + QStringLiteral("/ReadMeL.txt"))},
        {tools, RandomOneTitle,                     Open::Mouse, RandomOneTitle,  Close::Ok,       oneLog, typeNumber(QStringLiteral("5"))},
        {tools, RandomOneTitle,                     Open::Keys,  RandomOneTitle,  Close::Escape,   oneLog},
        {tools, RandomOneTitle,                     Open::Keys,  RandomOneTitle,  Close::CloseKey, oneLog},
        {tools, RandomSomeTitle,                    Open::Keys,  RandomSomeTitle, Close::Cancel,   someLog},
        {tools, RandomSomeTitle,                    Open::Mouse, RandomSomeTitle, Close::CloseBox, someLog},
        {tools, RandomSomeTitle,                    Open::Keys,  RandomSomeTitle, Close::Ok,       someLog, typeNumber(QStringLiteral("3"))},
        {tools, QStringLiteral("プリントスクリーン"), Open::Keys,  {},              Close::None,
         {QStringLiteral("Click : Print Screen "), QStringLiteral("Print Screen ･･･ End ")}, {}, 40000},
        {QStringLiteral("ファイル"), QStringLiteral("パターン保存"), Open::Mouse, {}, Close::None,
         {QStringLiteral("Click : Pattern Save ")}},
        {config, QStringLiteral("デバッグモード"),     Open::Keys,  {},              Close::None,
         {QStringLiteral("Change DebugMode ON･･･ End ")}},
        {config, QStringLiteral("デバッグモード"),     Open::Mouse, {},              Close::None,
         {QStringLiteral("Change DebugMode OFF･･･ End ")}},
        {config, QStringLiteral("マウスジェスチャ"),   Open::Keys,  {},              Close::None,
         {QStringLiteral("Change MouseGesture ON･･･ End ")}},
        {config, QStringLiteral("マウスジェスチャ"),   Open::Mouse, {},              Close::None,
         {QStringLiteral("Change MouseGesture OFF･･･ End ")}},
        {config, QStringLiteral("ミニ表示"),          Open::Keys,  {},              Close::None,     {}, toggleMiniView},
        {tools, QStringLiteral("結果をコピー"),       Open::Mouse, {},              Close::None,     {}},
        {tools, QStringLiteral("認識失敗の画像を開く"), Open::Keys, {},             Close::None,
         {QStringLiteral("Execution File Start ･･･  ") + folder + QStringLiteral("/ss/NG/"),
          QStringLiteral("Execution File Finish ")}},
    };
    // clang-format on
}

// Opens a numeric label of the options dialog and closes the numeric input
// dialog it shows in the way given; `number` is typed first when not empty.
void editNumber(Walker& w, WindowId options, const QString& label, const NumericSetting& bounds,
                Close how, const QString& number = {}) {
    SCOPED_TRACE(label.toStdString());
    w.clickControl(options,
                   w.twin.optionsControl(label, w.optionsPage, w.input.clientSize(options)), label);
    const WindowId dialog = w.input.waitForWindow(InputTitle);
    ASSERT_NE(dialog, 0u) << "no numeric input dialog";
    w.inputPrompt = QString::fromUtf8(bounds.prompt);
    if (!number.isEmpty()) {
        ASSERT_TRUE(w.input.type(number));
    }
    w.close(dialog, InputTitle, how);
    ASSERT_TRUE(w.program.alive());
}

void showPage(Walker& w, WindowId options, int page) {
    w.optionsPage = page;
    w.clickControl(options, w.twin.optionsTab(page, w.input.clientSize(options)),
                   QStringLiteral("tab %1").arg(page));
}

// Opens a chooser from a button of the options dialog; `use` runs in it
// before it is closed the way given.
void chooser(Walker& w, WindowId options, const QString& button, const QString& title, Close how,
             const std::function<void()>& use = {}) {
    SCOPED_TRACE(title.toStdString());
    w.clickControl(
        options, w.twin.optionsControl(button, w.optionsPage, w.input.clientSize(options)), button);
    const WindowId dialog = w.input.waitForWindow(title);
    ASSERT_NE(dialog, 0u) << "the chooser did not open";
    if (use) {
        use();
        EXPECT_TRUE(w.input.waitForNoWindow(title));
        return;
    }
    w.close(dialog, title, how);
}

// Every page of the options dialog with a numeric label on each, both
// choosers, and the save button; then the dialog closed every way.
void walkOptions(Walker& w, const QString& programFile) {
    const qsizetype before = w.program.logMessages().size();
    w.openMenu(QStringLiteral("設定"), QStringLiteral("オプション..."), Open::Keys);
    WindowId options = w.input.waitForWindow(OptionsTitle);
    ASSERT_NE(options, 0u) << "the options dialog did not open";
    w.expectLogSince(before, {QStringLiteral("Click : Option ")});

    showPage(w, options, 0);
    editNumber(w, options, QStringLiteral("lblCaptureInterval"), bounds::CaptureInterval, Close::Ok,
               QStringLiteral("10"));
    chooser(w, options, QStringLiteral("cmdSaveFolder"), FolderTitle, Close::Escape);
    chooser(w, options, QStringLiteral("cmdSaveFolder"), FolderTitle, Close::CloseBox);
    showPage(w, options, 1);
    editNumber(w, options, QStringLiteral("lblGraphAveNum"), bounds::GraphAverageCount,
               Close::Escape);
    showPage(w, options, 2);
    editNumber(w, options, QStringLiteral("lblStartUpDelay"), bounds::AutoRun2Delay,
               Close::CloseBox);
    // The file chooser takes a typed path: the program beside its settings.
    chooser(w, options, QStringLiteral("cmdStartUp0"), FileTitle, Close::Ok, [&] {
        ASSERT_TRUE(w.input.type(programFile));
        ASSERT_TRUE(w.input.keys({QStringLiteral("Return")}));
    });
    chooser(w, options, QStringLiteral("cmdStartUp0"), FileTitle, Close::CloseKey);
    showPage(w, options, 3);
    editNumber(w, options, QStringLiteral("lblCapture_sx0"), bounds::CaptureX, Close::Cancel,
               QStringLiteral("700"));
    showPage(w, options, 4);
    editNumber(w, options, QStringLiteral("lblWindowPosition_sx"), bounds::WindowLeft,
               Close::CloseKey);

    // Save: the number entered and the program chosen reach the file.
    showPage(w, options, 0);
    const qsizetype beforeSave = w.program.logMessages().size();
    w.clickControl(options,
                   w.twin.optionsControl(QStringLiteral("cmdSave"), 0, w.input.clientSize(options)),
                   QStringLiteral("cmdSave"));
    w.expectLogSince(beforeSave, {QStringLiteral("Click : Setting Save "),
                                  QStringLiteral("Saving ConfigFile ･･･ End ")});
    const QStringList lines =
        cp932::decode(test::TempFolder::readBytes(w.program.file(QStringLiteral("TK2LConfig.ini"))))
            .split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 16);
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral("     10 ,"))) << lines[7].toStdString();
    EXPECT_TRUE(lines[14].contains(programFile)) << lines[14].toStdString();

    w.close(options, OptionsTitle, Close::Ok);
    for (const Close how : {Close::Escape, Close::CloseBox, Close::CloseKey}) {
        SCOPED_TRACE(closeName(how));
        const qsizetype again = w.program.logMessages().size();
        w.openMenu(QStringLiteral("設定"), QStringLiteral("オプション..."), Open::Mouse);
        options = w.input.waitForWindow(OptionsTitle);
        ASSERT_NE(options, 0u) << "the options dialog did not open again";
        w.close(options, OptionsTitle, how);
        w.expectLogSince(again, {QStringLiteral("Click : Option ")});
    }
}

class WindowWalk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.ready());
        ASSERT_TRUE(opener.isValid());
        // The desktop's opener is a stand-in that notes what it was given.
        const QString script = opener.filePath(QStringLiteral("xdg-open"));
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"$0.log\"\n");
        f.close();
        ASSERT_TRUE(f.setPermissions(f.permissions() | QFile::ExeOwner));
        program.setEnvironment(QStringLiteral("PATH"),
                               opener.path() + QLatin1Char(':') + qEnvironmentVariable("PATH"));
        program.setEnvironment(QStringLiteral("BROWSER"), script);
        ASSERT_EQ(qEnvironmentVariable("BM_TEST_WM"), QStringLiteral("openbox"))
            << "the walk closes windows through openbox";
    }

    Settings walkSettings() const {
        Settings s = program.standInSettings();
        s.StartDelay = 0;
        s.GraphShow = false;
        s.ShotCheckEnabled = false;
        s.GestureEnabled = false;
        s.BeepOnCapture = false;
        s.ImageExtension = QStringLiteral(".png");
        // Below the stand-in, so neither covers the other.
        s.WindowLeft = 10;
        s.WindowTop = 240;
        return s;
    }

    void walkMenus(Walker& w) {
        for (const Step& step : menuSteps(program.programFolder())) {
            w.run(step);
            if (HasFatalFailure()) {
                return;
            }
        }
        // The three help documents and the home page reached the opener.
        const QStringList opened = w.opened();
        for (const QString& doc :
             {QStringLiteral("とりあえず始めよう.mht"), QStringLiteral("使用方法L.mht"),
              QStringLiteral("ReadMeL.txt")}) {
            EXPECT_TRUE(opened.contains(program.file(doc)))
                << doc.toStdString() << " not opened:\n"
                << opened.join(QLatin1Char('\n')).toStdString();
        }
        EXPECT_FALSE(QDir(program.file(QStringLiteral("ss")))
                         .entryList({QStringLiteral("PrtScr_*.png")}, QDir::Files)
                         .isEmpty())
            << "the print screen wrote no picture";
        walkOptions(w, program.file(QStringLiteral("brindlemark")));
    }

    QString openerLog() const { return opener.filePath(QStringLiteral("xdg-open.log")); }

    QTemporaryDir opener;
    test::ProgramHarness program;
};

TEST_F(WindowWalk, EveryWindowOpensAndClosesEveryWay) {
    QElapsedTimer clock;
    clock.start();
    Settings s = walkSettings();
    s.AutoStart = false;
    ASSERT_TRUE(program.writeSettings(s));
    ASSERT_TRUE(program.start()) << program.output().toStdString();
    Walker w(program, s, openerLog());
    ASSERT_NE(w.input.waitForWindow(test::ProgramHarness::programTitle()), 0u);

    walkMenus(w);
    if (HasFatalFailure()) {
        return;
    }

    // The popup: a run without the game shows it; its close box is refused
    // (it answers and stays); stopping the run takes it away.
    qsizetype before = program.logMessages().size();
    w.clickBar(QStringLiteral("開始"));
    w.runActive = true;
    w.expectLogSince(before,
                     {QStringLiteral("Click : Run "), QStringLiteral("Loging ManualStart ･･･ ")});
    const QString popupTitle = QStringLiteral("エラー");
    const WindowId popup = w.input.waitForWindow(popupTitle, 60000);
    ASSERT_NE(popup, 0u) << "no popup for the missing game";
    ASSERT_TRUE(w.input.clickCloseBox(popup));
    QThread::msleep(2500);  // the answer runs for a second, then the message returns
    EXPECT_EQ(w.input.shownWindow(popupTitle), popup) << "the popup closed";
    ASSERT_TRUE(program.alive()) << program.output().toStdString();
    before = program.logMessages().size();
    w.clickBar(QStringLiteral("停止"));
    w.runActive = false;
    w.expectLogSince(before,
                     {QStringLiteral("Click : Stop "), QStringLiteral("Loging Stop ･･･ End ")});
    EXPECT_TRUE(w.input.waitForNoWindow(popupTitle));

    ASSERT_TRUE(program.close()) << program.output().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
    std::printf("[ walk ] without a run: %.1f s\n", clock.elapsed() / 1000.0);
}

TEST_F(WindowWalk, DuringAMeasuringRunAndEndFromTheMenu) {
    QElapsedTimer clock;
    clock.start();
    test::SimProcess sim{{QStringLiteral("--pos"), QStringLiteral("40,40")}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    Settings s = walkSettings();
    s.AutoStart = true;
    ASSERT_TRUE(program.writeSettings(s));
    ASSERT_TRUE(program.start()) << program.output().toStdString();
    ASSERT_TRUE(program.logMessages().contains(QStringLiteral("Log AutoStart ･･･ ")));
    Walker w(program, s, openerLog());
    w.runActive = true;
    ASSERT_NE(w.input.waitForWindow(test::ProgramHarness::programTitle()), 0u);

    walkMenus(w);
    if (HasFatalFailure()) {
        return;
    }
    const qsizetype before = program.logMessages().size();
    w.openMenu(QStringLiteral("ファイル"), QStringLiteral("終了"), Open::Keys);
    ASSERT_TRUE(program.waitForExit(30000))
        << "the program did not end; its log since 終了:\n"
        << program.logMessages().mid(before).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(program.exitCode(), 0) << program.output().toStdString();
    const QStringList log = program.logMessages().mid(before);
    EXPECT_TRUE(inOrder(
        log, {QStringLiteral("Click : END "), QStringLiteral("Closing Program ･･･ "),
              QStringLiteral("Measure Result Data Display Complete "),
              QStringLiteral("End of the Program "), QStringLiteral("OperatingInformation")}))
        << log.join(QLatin1Char('\n')).toStdString();
    std::printf("[ walk ] during a run: %.1f s\n", clock.elapsed() / 1000.0);
}

}  // namespace
}  // namespace bm
