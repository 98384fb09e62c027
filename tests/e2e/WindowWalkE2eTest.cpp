#include <gtest/gtest.h>

#include <QThread>
#include <functional>

#include "ProgramHarness.h"
#include "SimProcess.h"
#include "app/Cp932.h"
#include "app/SettingBounds.h"
#include "support/TextLines.h"

// A user's walk through every window of the real program, by keyboard and
// mouse, opening and closing each every way; once with a measuring run.

namespace bm {
namespace {

using test::inOrder;

const QString OptionsTitle = QStringLiteral("オプション");
const QString InputTitle = QStringLiteral("設定値入力");
const QString RandomOneTitle = QStringLiteral("らんだまーオンリーONE");
const QString RandomSomeTitle = QStringLiteral("らんだまーステキなサムシング");

// The menus of the main window with their items in order, and the keys
// from the menu bar's first menu (where Alt puts the keyboard) to each,
// without passing 開始 and 停止: one of them is always disabled.
struct Menu {
    QString caption;
    QStringList barKeys;
    QStringList items;
};
const Menu Menus[] = {
    {"ファイル", {}, {"パターン保存", "終了"}},
    {"設定", {"Right"}, {"オプション...", "マウスジェスチャ", "デバッグモード", "ミニ表示"}},
    {"ツール",
     {"Left", "Left"},
     {RandomOneTitle, RandomSomeTitle, "プリントスクリーン", "結果をコピー",
      "認識失敗の画像を開く"}},
    {"ヘルプ",
     {"Left"},
     {"クイックリファレンス", "使用方法", "よんで！", "実行環境調査", "バージョン情報..."}},
};

// How the user reaches a menu item: Alt and the arrow keys, or a click on
// the menu bar and the arrow keys in the opened menu.
enum class Open { Keys, Mouse };
// How the user closes a window, through the X server and the window
// manager: its OK or Cancel button (clicked), Escape, the window manager's
// close button (clicked) or close key (Alt+F4). None: the step shows none.
enum class Close { None, Ok, Cancel, Escape, CloseBox, CloseKey };

// A menu item, how it is opened, the window it shows, how that is closed,
// the debug-log lines the step writes, in order, and what the user does in
// the window before closing it.
struct Step {
    QString menu;
    QString item;
    Open open;
    QString window;
    Close close;
    QStringList log;
    std::function<void(WindowId)> use = {};
};

class WindowWalk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.ready()); }

    // The main window below the stand-in so that neither covers the other.
    void start(bool autoStart) {
        Settings settings = program.autoRunSettings(240);
        settings.AutoStart = autoStart;
        settings.GestureEnabled = false;
        settings.BeepOnCapture = false;
        runActive = autoStart;
        ASSERT_TRUE(program.writeSettings(settings));
        ASSERT_TRUE(program.start()) << program.output().toStdString();
        ASSERT_NE(program.waitForWindow(test::ProgramHarness::programTitle()), 0u);
    }

    void openMenu(const QString& menu, const QString& item, Open how) {
        const auto m = std::find_if(std::begin(Menus), std::end(Menus),
                                    [&](const Menu& m) { return m.caption == menu; });
        ASSERT_NE(m, std::end(Menus)) << menu.toStdString();
        const qsizetype index = m->items.indexOf(item);
        ASSERT_GE(index, 0) << item.toStdString();
        const WindowId main = program.mainWindow();
        ASSERT_TRUE(program.activate(main));
        QStringList keys;
        if (how == Open::Keys) {
            // Alt alone puts the keyboard on the menu bar; Down opens the
            // menu with its first item chosen.
            keys << "alt" << m->barKeys << "Down";
        } else {
            ASSERT_TRUE(program.click(main, program.menuBarItem(menu, runActive)));
            keys << "Down";  // a menu opened by a click has no item chosen
        }
        for (qsizetype i = 0; i < index; ++i) {
            keys << "Down";
        }
        ASSERT_TRUE(program.keys(keys << "Return"));
    }

    // A click on a command of the menu bar itself (開始, 停止).
    void clickBar(const QString& caption, const QStringList& log) {
        const qsizetype before = program.logMessages().size();
        const WindowId main = program.mainWindow();
        ASSERT_TRUE(program.activate(main));
        ASSERT_TRUE(program.click(main, program.menuBarItem(caption, runActive)));
        expectLogSince(before, log);
    }

    // Closes a window the way named; the window must then be gone.
    void close(WindowId window, const QString& title, Close how) {
        ASSERT_TRUE(program.activate(window)) << title.toStdString();
        if (how == Close::Ok || how == Close::Cancel) {
            // The options dialog has OK alone.
            const QString name = title == OptionsTitle ? "cmdEnd"
                                 : how == Close::Ok    ? "cmdEnter"
                                                       : "cmdCancel";
            clickControl(window,
                         title == OptionsTitle ? program.optionsControl(window, name, optionsPage)
                                               : program.inputControl(window, name, inputPrompt),
                         name);
        } else if (how == Close::CloseBox) {
            ASSERT_TRUE(program.clickCloseBox(window));
        } else if (how != Close::None) {
            ASSERT_TRUE(program.keys({how == Close::Escape ? "Escape" : "alt+F4"}));
        }
        EXPECT_TRUE(program.waitForNoWindow(title)) << title.toStdString() << " still open";
    }

    void clickControl(WindowId window, QPoint where, const QString& name) {
        ASSERT_GE(where.x(), 0) << "no control " << name.toStdString();
        ASSERT_TRUE(program.click(window, where)) << name.toStdString();
    }

    void run(const Step& step) {
        const qsizetype before = program.logMessages().size();
        inputPrompt = step.item == RandomOneTitle ? "乱数の上限値を入力してください"
                                                  : "乱数の個数を入力してください";
        openMenu(step.menu, step.item, step.open);
        const WindowId window = step.window.isEmpty() ? 0 : program.waitForWindow(step.window);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(step.window.isEmpty() || window != 0) << "the window did not open";
        if (step.use) {
            step.use(window);
            ASSERT_FALSE(HasFatalFailure());
        }
        if (window != 0) {
            close(window, step.window, step.close);
        }
        expectLogSince(before, step.log);
    }

    // The debug log has these lines in order after the first `before` ones,
    // and the program still runs.
    void expectLogSince(qsizetype before, const QStringList& lines) {
        const auto since = [&] { return program.logMessages().mid(before); };
        test::eventually([&] { return inOrder(since(), lines); }, 20000);
        EXPECT_TRUE(inOrder(since(), lines)) << "wanted:\n"
                                             << lines.join(u'\n').toStdString() << "\ngot:\n"
                                             << since().join(u'\n').toStdString();
        ASSERT_TRUE(program.alive()) << program.output().toStdString();
    }

    // Every window of the menus but the options dialog, and the commands
    // that only the main window logs. Steps without log lines check that
    // the program lives on.
    std::vector<Step> menuSteps() {
        // The numeric input dialog's text is selected: typing replaces it.
        const auto typeNumber = [this](const QString& number) {
            return [this, number](WindowId) { ASSERT_TRUE(program.type(number)); };
        };
        // The same item chosen again (by the keyboard: the view may lie over
        // the menu bar) takes the compact view away.
        const auto miniView = [this](WindowId) {
            ASSERT_NE(program.waitForWindow("ミニ表示"), 0u) << "the compact view did not open";
            openMenu("設定", "ミニ表示", Open::Keys);
            EXPECT_TRUE(program.waitForNoWindow("ミニ表示")) << "the compact view stayed open";
        };
        const auto options = [this](WindowId window) { walkOptions(window); };
        // clang-format off
        return {
            // menu    item                 open         window           close            log
            {"ヘルプ", "バージョン情報...", Open::Keys,  "バージョン情報", Close::Escape,   {"Click : VersionInformation "}},
            {"ヘルプ", "実行環境調査",      Open::Mouse, {},              Close::None,     {}},
            {"ツール", RandomOneTitle,      Open::Mouse, RandomOneTitle,  Close::Ok,       {"Click : RandomOne "}, typeNumber("5")},
            {"ツール", RandomOneTitle,      Open::Keys,  RandomOneTitle,  Close::Escape,   {"Click : RandomOne "}},
            {"ツール", RandomSomeTitle,     Open::Keys,  RandomSomeTitle, Close::Cancel,   {"Click : RandomSome "}},
            {"ツール", RandomSomeTitle,     Open::Mouse, RandomSomeTitle, Close::CloseBox, {"Click : RandomSome "}},
            {"ツール", RandomSomeTitle,     Open::Keys,  RandomSomeTitle, Close::Ok,       {"Click : RandomSome "}, typeNumber("3")},
            {"設定",   "デバッグモード",    Open::Keys,  {},              Close::None,     {"Change DebugMode ON･･･ End "}},
            {"設定",   "デバッグモード",    Open::Mouse, {},              Close::None,     {"Change DebugMode OFF･･･ End "}},
            {"設定",   "マウスジェスチャ",  Open::Keys,  {},              Close::None,     {"Change MouseGesture ON･･･ End "}},
            {"設定",   "マウスジェスチャ",  Open::Mouse, {},              Close::None,     {"Change MouseGesture OFF･･･ End "}},
            {"設定",   "ミニ表示",          Open::Keys,  {},              Close::None,     {}, miniView},
            {"ツール", "結果をコピー",      Open::Mouse, {},              Close::None,     {}},
            {"設定",   "オプション...",     Open::Keys,  OptionsTitle,    Close::Ok,       {"Click : Option "}, options},
            {"設定",   "オプション...",     Open::Mouse, OptionsTitle,    Close::Escape,   {"Click : Option "}},
            {"設定",   "オプション...",     Open::Mouse, OptionsTitle,    Close::CloseBox, {"Click : Option "}},
        };
        // clang-format on
    }

    // Clicks a control of the options dialog on the page shown; with an
    // empty name, the tab of `page`, which is then shown.
    void clickOption(WindowId options, const QString& name, int page = -1) {
        optionsPage = page < 0 ? optionsPage : page;
        clickControl(options, program.optionsControl(options, name, optionsPage),
                     name.isEmpty() ? QStringLiteral("tab %1").arg(page) : name);
    }

    // Every page with a numeric label on each (its input dialog closed every
    // way), both choosers, the save button; then the dialog closed every way.
    void walkOptions(WindowId options) {
        const QString programFile = program.file(QStringLiteral("brindlemark"));
        const QString folderTitle = QStringLiteral("フォルダーの参照");
        const QString fileTitle = QStringLiteral("アプリケーション選択0");
        const struct {
            int page;
            const char* label;
            const NumericSetting& bounds;
            Close how;
            QString number;
        } edits[] = {
            {0, "lblCaptureInterval", bounds::CaptureInterval, Close::Ok, "10"},
            {1, "lblGraphAveNum", bounds::GraphAverageCount, Close::Escape, {}},
            {2, "lblStartUpDelay", bounds::AutoRun2Delay, Close::CloseBox, {}},
            {3, "lblCapture_sx0", bounds::CaptureX, Close::Cancel, "700"},
            {4, "lblWindowPosition_sx", bounds::WindowLeft, Close::CloseKey, {}},
        };
        for (const auto& edit : edits) {
            SCOPED_TRACE(edit.label);
            clickOption(options, {}, edit.page);
            clickOption(options, QString::fromLatin1(edit.label));
            const WindowId dialog = program.waitForWindow(InputTitle);
            ASSERT_NE(dialog, 0u) << "no numeric input dialog";
            inputPrompt = QString::fromUtf8(edit.bounds.prompt);
            ASSERT_TRUE(edit.number.isEmpty() || program.type(edit.number));
            close(dialog, InputTitle, edit.how);
        }
        clickOption(options, {}, 0);
        clickOption(options, "cmdSaveFolder");
        const WindowId folders = program.waitForWindow(folderTitle);
        ASSERT_NE(folders, 0u) << "no folder chooser";
        close(folders, folderTitle, Close::Escape);
        // The file chooser takes a typed path: the program beside its settings.
        clickOption(options, {}, 2);
        clickOption(options, "cmdStartUp0");
        ASSERT_NE(program.waitForWindow(fileTitle), 0u) << "no file chooser";
        ASSERT_TRUE(program.type(programFile));
        ASSERT_TRUE(program.keys({"Return"}));
        EXPECT_TRUE(program.waitForNoWindow(fileTitle));

        // Save: the number entered and the program chosen reach the file.
        clickOption(options, {}, 0);
        const qsizetype beforeSave = program.logMessages().size();
        clickOption(options, QStringLiteral("cmdSave"));
        expectLogSince(beforeSave, {"Click : Setting Save ", "Saving ConfigFile ･･･ End "});
        const QStringList lines = cp932::decode(program.bytes(QStringLiteral("TK2LConfig.ini")))
                                      .split(QStringLiteral("\r\n"));
        ASSERT_GE(lines.size(), 16);
        EXPECT_TRUE(lines[7].startsWith(QStringLiteral("     10 ,"))) << lines[7].toStdString();
        EXPECT_TRUE(lines[14].contains(programFile)) << lines[14].toStdString();
    }

    void walkMenus() {
        const std::vector<Step> steps = menuSteps();
        for (size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE("menu step " + std::to_string(i) + ": " + steps[i].item.toStdString());
            run(steps[i]);
            ASSERT_FALSE(HasFatalFailure());
        }
    }

    test::ProgramHarness program;
    int optionsPage = 0;
    QString inputPrompt;
    bool runActive = false;
};

TEST_F(WindowWalk, EveryWindowOpensAndClosesEveryWay) {
    start(false);
    walkMenus();
    ASSERT_FALSE(HasFatalFailure());

    // The popup: a run without the game shows it; its close box is refused
    // (it answers and stays); stopping the run takes it away.
    clickBar("開始", {"Click : Run ", "Loging ManualStart ･･･ "});
    runActive = true;
    const QString popupTitle = "エラー";
    const WindowId popup = program.waitForWindow(popupTitle, 60000);
    ASSERT_NE(popup, 0u) << "no popup for the missing game";
    ASSERT_TRUE(program.clickCloseBox(popup));
    QThread::msleep(2500);  // the answer runs for a second, then the message returns
    EXPECT_EQ(program.shownWindow(popupTitle), popup) << "the popup closed";
    ASSERT_TRUE(program.alive()) << program.output().toStdString();
    clickBar("停止", {"Click : Stop ", "Loging Stop ･･･ End "});
    runActive = false;
    EXPECT_TRUE(program.waitForNoWindow(popupTitle));

    ASSERT_TRUE(program.close()) << program.output().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(WindowWalk, DuringAMeasuringRunAndEndFromTheMenu) {
    test::SimProcess sim{{"--pos", "40,40"}};
    ASSERT_TRUE(sim.ready()) << sim.errors().toStdString();
    start(true);
    ASSERT_TRUE(program.logMessages().contains("Log AutoStart ･･･ "));
    walkMenus();
    ASSERT_FALSE(HasFatalFailure());

    const qsizetype before = program.logMessages().size();
    openMenu("ファイル", "終了", Open::Keys);
    ASSERT_TRUE(program.waitForExit(30000)) << program.logText();
    EXPECT_EQ(program.exitCode(), 0) << program.output().toStdString();
    EXPECT_TRUE(
        inOrder(program.logMessages().mid(before),
                {"Click : END ", "Closing Program ･･･ ", "Measure Result Data Display Complete ",
                 "End of the Program ", "OperatingInformation"}))
        << program.logText();
}

}  // namespace
}  // namespace bm
