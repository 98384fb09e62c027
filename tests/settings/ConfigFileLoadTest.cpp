#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::expectedDefaultLines;
using bm::test::TempFolder;

namespace {

const QString OldFileMessage = QStringLiteral(
    "古い設定ファイルを読み込みました。\r\n"
    "　　新しい項目を追加した設定ファイルを再作成します。\r\n"
    "　　以前のファイルは「TK2LConfigBack.ini」で保存されます。\r\n");
const QString FolderMessage =
    QStringLiteral("時給記録フォルダが不正のため\r\nデフォルトフォルダに変更しました。");

// The previous layout: the current one without the second positions
// (lines 5-6) and the window items (lines 22-25), and another version.
QStringList previousLayout(QStringList current) {
    current[0] = QStringLiteral("Brindlemark  for  Latale    Ver.2.20b3");
    current.remove(21, 4);
    current.remove(4, 2);
    return current;
}

}  // namespace

TEST(ConfigFileLoad, CancellingTheConfirmationReversesTheAnswer) {
    ConfigFixture full;
    full.prompt.queue(PromptAnswer::Yes);
    full.prompt.queue(PromptAnswer::Cancel);
    full.prompt.queue(PromptAnswer::No);
    ConfigFile(full.ctx, ConfigOp::Initialise);
    EXPECT_EQ(full.settings.CaptureRect[4], (bm::CaptureRect{106, 105, 76, 9}));

    ConfigFixture window;
    window.prompt.queue(PromptAnswer::No);
    window.prompt.queue(PromptAnswer::Cancel);
    ConfigFile(window.ctx, ConfigOp::Initialise);
    EXPECT_EQ(window.prompt.shown.size(), 3u);
    EXPECT_EQ(window.settings.CaptureRect[3], (bm::CaptureRect{132, 68, 39, 9}));
}

TEST(ConfigFileLoad, InitialisingKeepsTheWindowNameAndResetsEverythingElse) {
    ConfigFixture f;
    f.settings.SearchWindowName = QStringLiteral("Another Client");
    f.settings.GraphPoints = 250;
    f.settings.WindowWidth = 900;
    ConfigFile(f.ctx, ConfigOp::Initialise);
    EXPECT_TRUE(f.prompt.shown[0].text.startsWith(QStringLiteral("Another Clientをフル")));
    EXPECT_EQ(f.settings.GraphPoints, 20);
    EXPECT_EQ(f.settings.WindowWidth, 0);
    EXPECT_EQ(f.fileLines().at(64), QStringLiteral("Another Client     , 検索ウィンドウ名"));
}

// A file of the previous version (or with no version in its title) is
// converted once: a backup of it is kept, the regions it lacks follow the
// mode its own regions show, and the file is rewritten in the current layout.
TEST(ConfigFileLoad, PreviousVersionIsConvertedWithBackup) {
    for (const char* title : {"", "Brindlemark settings"}) {
        for (const bool fullScreen : {true, false}) {
            ConfigFixture f;
            const QStringList current = expectedDefaultLines(f.folder.path(), fullScreen, false);
            QStringList old = previousLayout(current);
            if (*title) {
                old[0] = QString::fromLatin1(title);
            }
            old[2].replace(QStringLiteral("     39 ,"), QStringLiteral("     41 ,"));
            old[5] = QStringLiteral("     30 , キャプチャインターバル(分)");
            f.writeLines(f.configPath(), old);
            const QByteArray oldBytes = TempFolder::readBytes(f.configPath());
            f.settings.WindowLeft = 77;

            ConfigFile(f.ctx, ConfigOp::Load);

            EXPECT_EQ(f.prompt.texts(), QStringList{OldFileMessage});
            EXPECT_EQ(TempFolder::readBytes(f.backupPath()), oldBytes);
            QStringList expected = current;
            expected[2] = old[2];
            expected[7] = QStringLiteral("     30 ,") + QString(19, QLatin1Char(' ')) +
                          QStringLiteral("キャプチャインターバル(分)");
            EXPECT_EQ(f.fileLines(), expected) << title << fullScreen;
            EXPECT_EQ(f.settings.CaptureRect[3].Width, 41);
            EXPECT_EQ(f.settings.WindowLeft, 0);
        }
    }
}

TEST(ConfigFileLoad, PredecessorFileIsTakenOverOnlyWhenTheUserAgrees) {
    for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
        ConfigFixture f;
        const QStringList current = expectedDefaultLines(f.folder.path(), true, true);
        // Lines 2-4 and 7-21 of the current layout, without a title line.
        QStringList old = current.mid(1, 3) + current.mid(6, 15);
        old[0] = QStringLiteral("     99 ,     98 ,     97 ,     96 , Lv");
        old[9] = QStringLiteral("     40 , ラグ");
        f.writeLines(f.predecessorPath(), old);
        f.prompt.queue(answer);
        ConfigFile(f.ctx, ConfigOp::Load);
        ASSERT_EQ(f.prompt.shown.size(), 4u);
        EXPECT_EQ(f.settings.LagCancelTime, answer == PromptAnswer::Yes ? 40 : 0);
        // Regions are set up from the answers, never taken over.
        EXPECT_EQ(f.settings.CaptureRect[0], (bm::CaptureRect{45, 4, 27, 11}));
        EXPECT_EQ(f.fileLines().size(), 66);
    }

    ConfigFixture broken;
    broken.writeLines(broken.predecessorPath(), {QStringLiteral("     45 , 4")});
    ConfigFile(broken.ctx, ConfigOp::Load);
    ASSERT_EQ(broken.prompt.shown.size(), 5u);
    EXPECT_TRUE(broken.prompt.shown[1].text.startsWith(QStringLiteral("読込みできない")));
    EXPECT_TRUE(broken.logged(QStringLiteral("Error Trap : ConfigFileOld : CODE")));
    EXPECT_EQ(broken.fileLines(), expectedDefaultLines(broken.folder.path(), true, true));
}

// A name of four characters or fewer is no name; a longer one that differs
// is offered, and the file is rewritten whatever the answer.
TEST(ConfigFileLoad, OtherWindowNameIsOfferedAndTheFileRewritten) {
    for (const char* name : {"Game", "Games"}) {
        for (const bool accept : {true, false}) {
            ConfigFixture f;
            QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
            lines[64] = QString::fromLatin1(name) + QStringLiteral("     , 検索ウィンドウ名");
            f.writeLines(f.configPath(), lines);
            f.prompt.queue(accept ? PromptAnswer::Yes : PromptAnswer::No);
            ConfigFile(f.ctx, ConfigOp::Load);
            const bool offered = qstrlen(name) > 4;
            const QString kept =
                offered && accept ? QStringLiteral("Games") : QStringLiteral("LaTale Client");
            EXPECT_EQ(f.settings.SearchWindowName, kept);
            EXPECT_EQ(f.fileLines().at(64), (offered ? kept : QString::fromLatin1(name)) +
                                                QStringLiteral("     , 検索ウィンドウ名"));
            EXPECT_EQ(f.prompt.shown.size(), offered ? 1u : 0u);
            EXPECT_EQ(f.logged(QStringLiteral("Target Change : Games")), offered && accept);
        }
    }
}

// A record folder that is missing or cannot hold records (a file, below a
// file, or with a file where its "log" folder goes) is replaced by the
// program folder, and the file rewritten.
TEST(ConfigFileLoad, UnusableRecordFolderIsReplacedAndTheFileRewritten) {
    for (const char* name : {"no/such/folder", "a-file", "a-file/below", "logfile"}) {
        ConfigFixture f;
        TempFolder::writeBytes(f.folder.file(QStringLiteral("a-file")), "x");
        ASSERT_TRUE(QDir().mkpath(f.folder.file(QStringLiteral("logfile"))));
        TempFolder::writeBytes(f.folder.file(QStringLiteral("logfile/log")), "x");
        QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
        lines[9] = f.folder.file(QLatin1String(name)) + QStringLiteral(" , 記録 , 保存場所");
        f.writeLines(f.configPath(), lines);
        ConfigFile(f.ctx, ConfigOp::Load);
        EXPECT_EQ(f.settings.PayRecordFolder, f.folder.path()) << name;
        EXPECT_EQ(f.prompt.texts(), QStringList{FolderMessage});
        EXPECT_EQ(f.fileLines().at(9),
                  f.folder.path() + QStringLiteral(" , 記録 , 時給ファイル保存場所"));
    }

    // A converted file is rewritten anyway, once, after both messages.
    ConfigFixture old;
    QStringList lines = previousLayout(expectedDefaultLines(old.folder.path(), true, true));
    lines[7] = QStringLiteral("/no/such/folder , 給与明細 , 時給ファイル保存場所");
    old.writeLines(old.configPath(), lines);
    ConfigFile(old.ctx, ConfigOp::Load);
    EXPECT_EQ(old.prompt.texts(), (QStringList{OldFileMessage, FolderMessage}));
    EXPECT_EQ(old.fileLines(), expectedDefaultLines(old.folder.path(), true, true));
}
