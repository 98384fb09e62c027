#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <csignal>

#include "app/Cp932.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::expectedDefaultLines;
using bm::test::TempFolder;

namespace {

const QString BackupNote =
    QStringLiteral("　　以前のファイルは「TK2LConfigBack.ini」で保存されます。\r\n");
const QString OldFileMessage = QStringLiteral(
                                   "古い設定ファイルを読み込みました。\r\n"
                                   "　　新しい項目を追加した設定ファイルを再作成します。\r\n") +
                               BackupNote;
const QString UnreadableMessage = QStringLiteral(
    "読込みできない設定ファイルです。\r\n　　初期値で設定ファイルを再作成します。\r\n");
const QString FolderMessage =
    QStringLiteral("時給記録フォルダが不正のため\r\nデフォルトフォルダに変更しました。");
const QString FullScreenQuestion = QStringLiteral(
    "LaTale Clientをフルスクリーンでプレイするときは「はい」を、\r\n"
    "ウィンドウモードでプレイする場合は「いいえ」を選択してください。");

// The previous layout: the current one without the second positions
// (lines 5-6) and the window items (lines 22-25), and another version.
QStringList previousLayout(QStringList current) {
    current[0] = QStringLiteral("Brindlemark  for  Latale    Ver.2.20b3");
    current.remove(21, 4);
    current.remove(4, 2);
    return current;
}

void answerSetUp(ConfigFixture& f, bool fullScreen, bool windows7) {
    f.prompt.queue(fullScreen ? PromptAnswer::Yes : PromptAnswer::No);
    f.prompt.queue(PromptAnswer::Ok);
    f.prompt.queue(windows7 ? PromptAnswer::Yes : PromptAnswer::No);
}

}  // namespace

TEST(ConfigFileLoad, FirstRunAsksTheThreeSetUpQuestionsAndWritesTheFile) {
    ConfigFixture f;
    ConfigFile(f.ctx, ConfigOp::Load);
    ASSERT_EQ(f.prompt.shown.size(), 3u);
    const auto& q = f.prompt.shown;
    EXPECT_EQ(q[0].text, FullScreenQuestion);
    EXPECT_EQ(q[1].text, QStringLiteral("フルスクリーンモードでよろしいですか？"));
    EXPECT_EQ(q[2].text, QStringLiteral("Windows7用Lvパターンは「はい」を、\r\n"
                                        "標準Lvパターンは「いいえ」を選択してください。"));
    EXPECT_EQ(q[0].title, QStringLiteral("検査領域追従選択"));
    EXPECT_EQ(q[1].title, q[0].title);
    EXPECT_EQ(q[2].title, QStringLiteral("Lvパターン選択"));
    EXPECT_EQ(q[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(q[1].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(q[2].buttons, PromptButtons::YesNo);
    EXPECT_EQ(f.fileLines(), expectedDefaultLines(f.folder.path(), true, true));
}

TEST(ConfigFileLoad, CancellingTheConfirmationReversesTheAnswer) {
    ConfigFixture full;
    full.prompt.queue(PromptAnswer::Yes);
    full.prompt.queue(PromptAnswer::Cancel);
    full.prompt.queue(PromptAnswer::No);
    ConfigFile(full.ctx, ConfigOp::Initialise);
    EXPECT_EQ(full.settings.CaptureRect[0], (bm::CaptureRect{48, 26, 27, 11}));
    EXPECT_EQ(full.settings.CaptureRect[4], (bm::CaptureRect{106, 105, 76, 9}));
    EXPECT_EQ(full.settings.Patterns[0][0], QStringLiteral("01FC02020202020201FC"));

    ConfigFixture window;
    window.prompt.queue(PromptAnswer::No);
    window.prompt.queue(PromptAnswer::Cancel);
    ConfigFile(window.ctx, ConfigOp::Initialise);
    EXPECT_EQ(window.prompt.shown[1].text, QStringLiteral("ウィンドウモードでよろしいですか？"));
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

TEST(ConfigFileLoad, CurrentFileLoadsSilentlyWithoutRewriting) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), false, false);
    lines[7] = QStringLiteral("     11 , edited by hand");
    f.writeLines(f.configPath(), lines);
    ConfigFile(f.ctx, ConfigOp::Load);
    EXPECT_TRUE(f.prompt.shown.empty());
    EXPECT_EQ(f.settings.CaptureInterval, 11);
    EXPECT_EQ(f.settings.CaptureRect[4], (bm::CaptureRect{106, 105, 76, 9}));
    EXPECT_EQ(f.fileLines(), lines);
    EXPECT_FALSE(QFile::exists(f.backupPath()));
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
            EXPECT_EQ(f.prompt.shown.at(0).title, QStringLiteral("設定ファイル読込み"));
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

// Whatever the reader stumbles on, the user is told, the file is kept as
// the backup and a new file with defaults is written after the questions.
TEST(ConfigFileLoad, UnreadableFileIsBackedUpAndReplacedByDefaults) {
    struct Case {
        int line;  // 0-based line to change; -1 cuts the file there
        const char* text;
        const char* logged;
    };
    const Case cases[] = {
        {12, "   abc ,  comment", "ConfigFileReadV230 : CODE13  Type mismatch"},
        {2, " 4294967296 ,  0 ,  1 ,  2 , x", "ConfigFileReadV230 : CODE6  Overflow"},
        {17, "  False , no more fields", "ConfigFileReadV230 : CODE62  Input past end of file"},
        {6, "   yes , comment", "ConfigFileReadV230 : CODE13"},
        {7, "  , comment", "ConfigFileReadV230 : CODE13"},
        {-1, "", "ConfigFileReadV230 : CODE62"},
        {-2, "", "ConfigFileReadV220 : CODE62"},
    };
    for (const Case& c : cases) {
        ConfigFixture f;
        QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
        if (c.line >= 0) {
            lines[c.line] = QString::fromUtf8(c.text);
        } else {
            lines = c.line == -1 ? lines.mid(0, 64) : previousLayout(lines).mid(0, 30);
        }
        f.writeLines(f.configPath(), lines);
        const QByteArray oldBytes = TempFolder::readBytes(f.configPath());
        f.prompt.queue(PromptAnswer::Ok);
        answerSetUp(f, false, false);

        ConfigFile(f.ctx, ConfigOp::Load);

        SCOPED_TRACE(c.logged);
        ASSERT_EQ(f.prompt.shown.size(), 4u);
        EXPECT_EQ(f.prompt.shown[0].text, UnreadableMessage + BackupNote);
        EXPECT_EQ(f.prompt.shown[1].text, FullScreenQuestion);
        EXPECT_EQ(TempFolder::readBytes(f.backupPath()), oldBytes);
        EXPECT_EQ(f.fileLines(), expectedDefaultLines(f.folder.path(), false, false));
        EXPECT_TRUE(f.debugLog().contains(QStringLiteral("Error Trap : ") + c.logged));
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
        EXPECT_EQ(f.prompt.shown[0].text, QStringLiteral("以前の設定ファイルが見つかりました。\r\n"
                                                         "　　共通する設定を引き継ぎますか？"));
        EXPECT_EQ(f.prompt.shown[0].buttons, PromptButtons::YesNo);
        EXPECT_EQ(f.settings.LagCancelTime, answer == PromptAnswer::Yes ? 40 : 0);
        // Regions are set up from the answers, never taken over.
        EXPECT_EQ(f.settings.CaptureRect[0], (bm::CaptureRect{45, 4, 27, 11}));
        EXPECT_EQ(f.fileLines().size(), 66);
    }

    ConfigFixture broken;
    broken.writeLines(broken.predecessorPath(), {QStringLiteral("     45 , 4")});
    ConfigFile(broken.ctx, ConfigOp::Load);
    ASSERT_EQ(broken.prompt.shown.size(), 5u);
    EXPECT_EQ(broken.prompt.shown[1].text, UnreadableMessage.chopped(2));
    EXPECT_TRUE(broken.debugLog().contains(QStringLiteral("Error Trap : ConfigFileOld : CODE")));
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
            if (!offered) {
                EXPECT_TRUE(f.prompt.shown.empty());
                continue;
            }
            ASSERT_EQ(f.prompt.shown.size(), 1u);
            EXPECT_EQ(f.prompt.shown[0].text,
                      QStringLiteral("ターゲットは Games でよろしいいですか？\r\n"
                                     "「いいえ」のときは[LaTale Client]"));
            EXPECT_EQ(f.prompt.shown[0].title, QStringLiteral("ターゲット変更選択"));
            EXPECT_EQ(f.debugLog().contains(QStringLiteral("Target Change : Games")), accept);
        }
    }
}

TEST(ConfigFileLoad, MissingRecordFolderIsReplacedAndTheFileRewritten) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
    lines[9] = QStringLiteral("/no/such/folder , 記録 , 時給ファイル保存場所");
    f.writeLines(f.configPath(), lines);
    ConfigFile(f.ctx, ConfigOp::Load);
    EXPECT_EQ(f.prompt.texts(), QStringList{FolderMessage});
    EXPECT_EQ(f.fileLines().at(9),
              f.folder.path() + QStringLiteral(" , 記録 , 時給ファイル保存場所"));

    // A converted file is rewritten anyway, once, after both messages.
    ConfigFixture old;
    lines = previousLayout(expectedDefaultLines(old.folder.path(), true, true));
    lines[7] = QStringLiteral("/no/such/folder , 給与明細 , 時給ファイル保存場所");
    old.writeLines(old.configPath(), lines);
    ConfigFile(old.ctx, ConfigOp::Load);
    EXPECT_EQ(old.prompt.texts(), (QStringList{OldFileMessage, FolderMessage}));
    EXPECT_EQ(old.fileLines(), expectedDefaultLines(old.folder.path(), true, true));
}

namespace {

// Limits the size of files this process may write, so that a save fails
// part-way even for a user whom file permissions do not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

// A save that cannot complete is reported, logged, and leaves the old file
// as it was: cut short by a file size limit, or refused by a read-only
// folder (when permissions restrict this user).
TEST(ConfigFileSave, FailedWriteReportsAndKeepsTheOldFile) {
    for (const bool readOnly : {false, true}) {
        ConfigFixture f;
        ConfigFile(f.ctx, ConfigOp::Initialise);
        const QByteArray before = TempFolder::readBytes(f.configPath());
        f.prompt.shown.clear();
        f.settings.GraphPoints = 150;
        // The debug log stays writable in a folder of its own.
        TempFolder logFolder;
        DebugLog log(logFolder.path(), f.platform);
        AppContext ctx{f.settings, f.run, f.paths, f.platform, log, f.prompt};
        const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        if (readOnly) {
            QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner);
            QFile probe(f.folder.file(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(f.folder.path(), rw);
                continue;  // permissions do not restrict this user
            }
            ConfigFile(ctx, ConfigOp::Save);
            QFile::setPermissions(f.folder.path(), rw);
        } else {
            FileSizeLimit limit(1000);
            ConfigFile(ctx, ConfigOp::Save);
        }
        ASSERT_EQ(f.prompt.shown.size(), 1u);
        EXPECT_EQ(f.prompt.shown[0].text, QStringLiteral("設定をファイルに保存できませんでした。"));
        EXPECT_EQ(f.prompt.shown[0].title, QStringLiteral("設定ファイル書き込み"));
        EXPECT_TRUE(cp932::decode(TempFolder::readBytes(log.path()))
                        .contains(QStringLiteral("Error Trap : ConfigFile 2 : CODE75  ")));
        EXPECT_EQ(TempFolder::readBytes(f.configPath()), before);
        EXPECT_EQ(QDir(f.folder.path()).entryList(QDir::Files).size(), 1);
        EXPECT_EQ(f.settings.GraphPoints, 150);
    }
}
