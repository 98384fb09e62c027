#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <csignal>

#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"
#include "settings/SettingsDefaults.h"
#include "util/Cp932.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::expectedDefaultLines;
using bm::test::TempFolder;

namespace {

const QString ReadTitle = QStringLiteral("設定ファイル読込み");
const QString OldFileMessage = QStringLiteral(
    "古い設定ファイルを読み込みました。\r\n"
    "　　新しい項目を追加した設定ファイルを再作成します。\r\n"
    "　　以前のファイルは「TK2LConfigBack.ini」で保存されます。\r\n");
const QString UnreadableMessage = QStringLiteral(
    "読込みできない設定ファイルです。\r\n"
    "　　初期値で設定ファイルを再作成します。\r\n"
    "　　以前のファイルは「TK2LConfigBack.ini」で保存されます。\r\n");
const QString FolderMessage =
    QStringLiteral("時給記録フォルダが不正のため\r\nデフォルトフォルダに変更しました。");
const QString FullScreenQuestion = QStringLiteral(
    "LaTale Clientをフルスクリーンでプレイするときは「はい」を、\r\n"
    "ウィンドウモードでプレイする場合は「いいえ」を選択してください。");
const QString LvQuestion = QStringLiteral(
    "Windows7用Lvパターンは「はい」を、\r\n標準Lvパターンは「いいえ」を選択してください。");

// The previous layout: the current one without the second positions
// (lines 5-6) and the window items (lines 22-25), and another version.
QStringList previousLayout(QStringList current) {
    current[0] = QStringLiteral("Brindlemark  for  Latale    Ver.2.20b3");
    current.remove(21, 4);
    current.remove(4, 2);
    return current;
}

// The predecessor program's layout: lines 2-4 and 7-21 of the current one.
QStringList predecessorLayout(const QStringList& current) {
    return current.mid(1, 3) + current.mid(6, 15);
}

void answerSetUp(ConfigFixture& f, bool fullScreen, bool windows7) {
    f.prompt.queue(fullScreen ? PromptAnswer::Yes : PromptAnswer::No);
    f.prompt.queue(PromptAnswer::Ok);
    f.prompt.queue(windows7 ? PromptAnswer::Yes : PromptAnswer::No);
}

}  // namespace

TEST(ConfigFileLoad, FirstRunAsksTheThreeSetUpQuestionsAndWritesTheFile) {
    ConfigFixture f;
    ConfigFile(f.ctx, configop::Load);

    ASSERT_EQ(f.prompt.shown.size(), 3u);
    EXPECT_EQ(f.prompt.shown[0].text, FullScreenQuestion);
    EXPECT_EQ(f.prompt.shown[0].title, QStringLiteral("検査領域追従選択"));
    EXPECT_EQ(f.prompt.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(f.prompt.shown[1].text, QStringLiteral("フルスクリーンモードでよろしいですか？"));
    EXPECT_EQ(f.prompt.shown[1].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(f.prompt.shown[2].text, LvQuestion);
    EXPECT_EQ(f.prompt.shown[2].title, QStringLiteral("Lvパターン選択"));
    EXPECT_EQ(f.fileLines(), expectedDefaultLines(f.folder.path(), true, true));
    EXPECT_EQ(f.settings.PayRecordFolder, f.folder.path());
}

TEST(ConfigFileLoad, CancellingTheConfirmationReversesTheAnswer) {
    ConfigFixture full;
    full.prompt.queue(PromptAnswer::Yes);
    full.prompt.queue(PromptAnswer::Cancel);
    full.prompt.queue(PromptAnswer::No);
    ConfigFile(full.ctx, configop::Initialise);
    EXPECT_EQ(full.settings.CaptureRect[0], (bm::CaptureRect{48, 26, 27, 11}));
    EXPECT_EQ(full.settings.CaptureRect[4], (bm::CaptureRect{106, 105, 76, 9}));
    EXPECT_EQ(full.settings.Patterns[0][0], QStringLiteral("01FC02020202020201FC"));

    ConfigFixture window;
    window.prompt.queue(PromptAnswer::No);
    window.prompt.queue(PromptAnswer::Cancel);
    ConfigFile(window.ctx, configop::Initialise);
    EXPECT_EQ(window.prompt.shown[1].text, QStringLiteral("ウィンドウモードでよろしいですか？"));
    EXPECT_EQ(window.prompt.shown.size(), 3u);
    EXPECT_EQ(window.settings.CaptureRect[1], (bm::CaptureRect{132, 54, 39, 9}));
    EXPECT_EQ(window.settings.CaptureRect[3], (bm::CaptureRect{132, 68, 39, 9}));
}

TEST(ConfigFileLoad, InitialisingKeepsTheWindowNameAndRestoresDefaults) {
    ConfigFixture f;
    f.settings.SearchWindowName = QStringLiteral("Another Client");
    f.settings.GraphPoints = 250;
    f.settings.WindowWidth = 900;
    f.settings.CaptureRect[3] = {1, 2, 3, 4};
    answerSetUp(f, false, false);
    ConfigFile(f.ctx, configop::Initialise);
    EXPECT_EQ(f.settings.SearchWindowName, QStringLiteral("Another Client"));
    EXPECT_TRUE(f.prompt.shown[0].text.startsWith(QStringLiteral("Another Clientをフル")));
    EXPECT_EQ(f.settings.GraphPoints, 20);
    EXPECT_EQ(f.settings.WindowWidth, 0);
    EXPECT_EQ(f.settings.CaptureRect[3], (bm::CaptureRect{135, 90, 39, 9}));
    EXPECT_EQ(f.fileLines().at(64), QStringLiteral("Another Client     , 検索ウィンドウ名"));
}

TEST(ConfigFileLoad, CurrentFileLoadsSilentlyWithoutRewriting) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), false, false);
    lines[7] = QStringLiteral("     11 , edited by hand");
    f.writeLines(f.configPath(), lines);
    ConfigFile(f.ctx, configop::Load);
    EXPECT_TRUE(f.prompt.shown.empty());
    EXPECT_EQ(f.settings.CaptureInterval, 11);
    EXPECT_EQ(f.settings.CaptureRect[4], (bm::CaptureRect{106, 105, 76, 9}));
    EXPECT_EQ(f.fileLines(), lines);
    EXPECT_FALSE(QFile::exists(f.backupPath()));
    EXPECT_FALSE(f.debugLog().contains(QStringLiteral("Error Trap")));
}

// A file of the previous version is converted once: a backup of it is
// kept, the regions it lacks come from the mode its own regions show, and
// the file is rewritten in the current layout.
TEST(ConfigFileLoad, PreviousVersionIsConvertedWithBackup) {
    for (const bool fullScreen : {true, false}) {
        ConfigFixture f;
        const QStringList current = expectedDefaultLines(f.folder.path(), fullScreen, false);
        QStringList old = previousLayout(current);
        ASSERT_EQ(old.size(), 60);
        old[5] = QStringLiteral("     30 ,                   キャプチャインターバル(分)");
        f.writeLines(f.configPath(), old);
        const QByteArray oldBytes = TempFolder::readBytes(f.configPath());
        f.settings.WindowLeft = 77;
        f.settings.MultiDisplay = true;

        ConfigFile(f.ctx, configop::Load);

        ASSERT_EQ(f.prompt.shown.size(), 1u);
        EXPECT_EQ(f.prompt.shown[0].text, OldFileMessage);
        EXPECT_EQ(f.prompt.shown[0].title, ReadTitle);
        EXPECT_EQ(TempFolder::readBytes(f.backupPath()), oldBytes);
        QStringList expected = current;
        expected[7] = old[5];
        EXPECT_EQ(f.fileLines(), expected) << "full screen " << fullScreen;
        EXPECT_EQ(f.settings.WindowLeft, 0);
        EXPECT_FALSE(f.settings.MultiDisplay);
    }
}

TEST(ConfigFileLoad, TitleWithoutVersionIsReadAsThePreviousLayout) {
    ConfigFixture f;
    QStringList old = previousLayout(expectedDefaultLines(f.folder.path(), true, true));
    old[0] = QStringLiteral("Brindlemark settings");
    old[2].replace(QStringLiteral("     39 ,"), QStringLiteral("     41 ,"));
    f.writeLines(f.configPath(), old);
    ConfigFile(f.ctx, configop::Load);
    EXPECT_EQ(f.prompt.texts(), QStringList{OldFileMessage});
    EXPECT_EQ(f.settings.CaptureRect[1].Width, 41);
    EXPECT_EQ(f.settings.CaptureRect[3], (bm::CaptureRect{132, 68, 41, 9}));
    EXPECT_EQ(f.fileLines().size(), 66);
}

// Whatever the reader stumbles on, the user is told, the file is kept as
// the backup and a new file with defaults is written after the questions.
TEST(ConfigFileLoad, UnreadableFileIsBackedUpAndReplacedByDefaults) {
    struct Case {
        const char* name;
        int line;  // 0-based line to change
        const char* text;
        const char* logged;
    };
    const Case cases[] = {
        {"non-numeric number", 12, "   abc ,  comment",
         "ConfigFileReadV230 : CODE13  Type mismatch"},
        {"number too large", 2, " 4294967296 ,  0 ,  1 ,  2 , x", "ConfigFileReadV230 : CODE6"},
        {"missing field", 17, "  False , no more fields",
         "ConfigFileReadV230 : CODE62  Input past end of file"},
        {"bad switch", 6, "   yes , comment", "ConfigFileReadV230 : CODE13"},
        {"empty number", 7, "  , comment", "ConfigFileReadV230 : CODE13"},
    };
    for (const Case& c : cases) {
        ConfigFixture f;
        QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
        lines[c.line] = QString::fromUtf8(c.text);
        f.writeLines(f.configPath(), lines);
        const QByteArray oldBytes = TempFolder::readBytes(f.configPath());
        f.prompt.queue(PromptAnswer::Ok);
        answerSetUp(f, false, false);

        ConfigFile(f.ctx, configop::Load);

        ASSERT_EQ(f.prompt.shown.size(), 4u) << c.name;
        EXPECT_EQ(f.prompt.shown[0].text, UnreadableMessage);
        EXPECT_EQ(f.prompt.shown[1].text, FullScreenQuestion);
        EXPECT_EQ(TempFolder::readBytes(f.backupPath()), oldBytes) << c.name;
        EXPECT_EQ(f.fileLines(), expectedDefaultLines(f.folder.path(), false, false)) << c.name;
        EXPECT_TRUE(f.debugLog().contains(QStringLiteral("Error Trap : ") + c.logged)) << c.name;
    }
}

TEST(ConfigFileLoad, TruncatedFilesOfEitherLayoutAreUnreadable) {
    ConfigFixture current;
    current.writeLines(current.configPath(),
                       expectedDefaultLines(current.folder.path(), true, true).mid(0, 64));
    ConfigFile(current.ctx, configop::Load);
    EXPECT_EQ(current.prompt.shown.at(0).text, UnreadableMessage);
    EXPECT_TRUE(current.debugLog().contains(
        QStringLiteral("Error Trap : ConfigFileReadV230 : CODE62  Input past end of file")));
    EXPECT_EQ(current.fileLines().size(), 66);

    ConfigFixture previous;
    const QStringList old =
        previousLayout(expectedDefaultLines(previous.folder.path(), true, true));
    previous.writeLines(previous.configPath(), old.mid(0, 30));
    ConfigFile(previous.ctx, configop::Load);
    EXPECT_EQ(previous.prompt.shown.at(0).text, UnreadableMessage);
    EXPECT_EQ(previous.prompt.shown.size(), 4u);
    EXPECT_TRUE(previous.debugLog().contains(QStringLiteral("ConfigFileReadV220 : CODE62")));
}

TEST(ConfigFileLoad, PredecessorFileIsTakenOverOnlyWhenTheUserAgrees) {
    const auto makePredecessor = [](ConfigFixture& f) {
        QStringList old = predecessorLayout(expectedDefaultLines(f.folder.path(), true, true));
        old[0] = QStringLiteral("     99 ,     98 ,     97 ,     96 , Lv");
        old[9] = QStringLiteral("     40 , ラグ");
        old[15].replace(QStringLiteral("   .png"), QStringLiteral("   .bmp"));
        f.writeLines(f.predecessorPath(), old);
        return TempFolder::readBytes(f.predecessorPath());
    };

    ConfigFixture yes;
    const QByteArray oldBytes = makePredecessor(yes);
    yes.prompt.queue(PromptAnswer::Yes);
    answerSetUp(yes, true, true);
    ConfigFile(yes.ctx, configop::Load);
    ASSERT_EQ(yes.prompt.shown.size(), 4u);
    EXPECT_EQ(yes.prompt.shown[0].text, QStringLiteral("以前の設定ファイルが見つかりました。\r\n"
                                                       "　　共通する設定を引き継ぎますか？"));
    EXPECT_EQ(yes.prompt.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(yes.settings.LagCancelTime, 40);
    EXPECT_EQ(yes.settings.ImageExtension, QStringLiteral(".bmp"));
    // Regions are set up from the answers, not taken over.
    EXPECT_EQ(yes.settings.CaptureRect[0], (bm::CaptureRect{45, 4, 27, 11}));
    EXPECT_EQ(yes.fileLines().size(), 66);
    EXPECT_EQ(TempFolder::readBytes(yes.predecessorPath()), oldBytes);

    ConfigFixture no;
    makePredecessor(no);
    no.prompt.queue(PromptAnswer::No);
    ConfigFile(no.ctx, configop::Load);
    EXPECT_EQ(no.prompt.shown.size(), 4u);
    EXPECT_EQ(no.settings.LagCancelTime, 0);
    EXPECT_EQ(no.settings.ImageExtension, QStringLiteral(".png"));

    ConfigFixture broken;
    broken.writeLines(broken.predecessorPath(), {QStringLiteral("     45 , 4")});
    broken.prompt.queue(PromptAnswer::Yes);
    ConfigFile(broken.ctx, configop::Load);
    ASSERT_EQ(broken.prompt.shown.size(), 5u);
    EXPECT_EQ(broken.prompt.shown[1].text,
              QStringLiteral("読込みできない設定ファイルです。\r\n"
                             "　　初期値で設定ファイルを再作成します。"));
    EXPECT_TRUE(broken.debugLog().contains(QStringLiteral("Error Trap : ConfigFileOld : CODE")));
    EXPECT_EQ(broken.fileLines(), expectedDefaultLines(broken.folder.path(), true, true));
}

// A name of four characters or fewer is no name; a longer one that differs
// is offered, and the file is rewritten whatever the answer.
TEST(ConfigFileLoad, OtherWindowNameIsOfferedAndTheFileRewritten) {
    ConfigFixture shortName;
    QStringList lines = expectedDefaultLines(shortName.folder.path(), true, true);
    lines[64] = QStringLiteral("Game     , 検索ウィンドウ名");
    shortName.writeLines(shortName.configPath(), lines);
    ConfigFile(shortName.ctx, configop::Load);
    EXPECT_TRUE(shortName.prompt.shown.empty());
    EXPECT_EQ(shortName.settings.SearchWindowName, QStringLiteral("LaTale Client"));
    EXPECT_EQ(shortName.fileLines(), lines);

    for (const bool accept : {true, false}) {
        ConfigFixture f;
        lines = expectedDefaultLines(f.folder.path(), true, true);
        lines[64] = QStringLiteral("Games     , 検索ウィンドウ名");
        f.writeLines(f.configPath(), lines);
        f.prompt.queue(accept ? PromptAnswer::Yes : PromptAnswer::No);
        ConfigFile(f.ctx, configop::Load);
        ASSERT_EQ(f.prompt.shown.size(), 1u);
        EXPECT_EQ(f.prompt.shown[0].text,
                  QStringLiteral("ターゲットは Games でよろしいいですか？\r\n"
                                 "「いいえ」のときは[LaTale Client]"));
        EXPECT_EQ(f.prompt.shown[0].title, QStringLiteral("ターゲット変更選択"));
        const QString name = accept ? QStringLiteral("Games") : QStringLiteral("LaTale Client");
        EXPECT_EQ(f.settings.SearchWindowName, name);
        EXPECT_EQ(f.fileLines().at(64), name + QStringLiteral("     , 検索ウィンドウ名"));
        EXPECT_EQ(f.debugLog().contains(QStringLiteral("Target Change : Games")), accept);
    }
}

TEST(ConfigFileLoad, MissingRecordFolderIsReplacedAndTheFileRewritten) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
    lines[9] =
        f.folder.file(QStringLiteral("gone")) + QStringLiteral(" , 記録 , 時給ファイル保存場所");
    f.writeLines(f.configPath(), lines);
    ConfigFile(f.ctx, configop::Load);
    EXPECT_EQ(f.prompt.texts(), QStringList{FolderMessage});
    EXPECT_EQ(f.settings.PayRecordFolder, f.folder.path());
    EXPECT_EQ(f.settings.PayRecordPrefix, QStringLiteral("記録"));
    EXPECT_EQ(f.fileLines().at(9),
              f.folder.path() + QStringLiteral(" , 記録 , 時給ファイル保存場所"));

    // Converting a previous-version file rewrites it anyway; the message
    // about the folder comes after the conversion message.
    ConfigFixture old;
    lines = previousLayout(expectedDefaultLines(old.folder.path(), true, true));
    lines[7] = QStringLiteral("/no/such/folder , 給与明細 , 時給ファイル保存場所");
    old.writeLines(old.configPath(), lines);
    ConfigFile(old.ctx, configop::Load);
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

void expectSaveFailureReported(const ConfigFixture& f) {
    ASSERT_EQ(f.prompt.shown.size(), 1u);
    EXPECT_EQ(f.prompt.shown[0].text, QStringLiteral("設定をファイルに保存できませんでした。"));
    EXPECT_EQ(f.prompt.shown[0].title, QStringLiteral("設定ファイル書き込み"));
    EXPECT_TRUE(f.debugLog().contains(QStringLiteral("Error Trap : ConfigFile 2 : CODE75  ")));
}

}  // namespace

TEST(ConfigFileSave, FailedWriteReportsAndKeepsTheOldFile) {
    ConfigFixture f;
    f.log.WriteDebugLog(QStringLiteral("start"), 1);
    ConfigFile(f.ctx, configop::Initialise);
    const QByteArray before = TempFolder::readBytes(f.configPath());
    f.prompt.shown.clear();
    f.settings.GraphPoints = 150;
    {
        FileSizeLimit limit(1000);
        ConfigFile(f.ctx, configop::Save);
    }
    expectSaveFailureReported(f);
    EXPECT_EQ(TempFolder::readBytes(f.configPath()), before);
    EXPECT_EQ(QDir(f.folder.path()).entryList(QDir::Files).size(), 2);  // settings + debug log
    EXPECT_EQ(f.settings.GraphPoints, 150);
}

TEST(ConfigFileSave, ReadOnlyFolderReportsAndKeepsTheOldFile) {
    ConfigFixture f;
    ConfigFile(f.ctx, configop::Initialise);
    const QByteArray before = TempFolder::readBytes(f.configPath());
    f.prompt.shown.clear();
    // The debug log must stay writable: keep it in a folder of its own.
    TempFolder logFolder;
    DebugLog log(logFolder.path(), f.platform);
    AppContext ctx{f.settings, f.run, f.paths, f.platform, log, f.prompt};
    QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(f.folder.file(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(f.folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "folder permissions do not restrict this user";
    }
    ConfigFile(ctx, configop::Save);
    QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(f.prompt.shown.size(), 1u);
    EXPECT_EQ(f.prompt.shown[0].text, QStringLiteral("設定をファイルに保存できませんでした。"));
    EXPECT_TRUE(
        bm::cp932::decode(TempFolder::readBytes(log.path())).contains("ConfigFile 2 : CODE75"));
    EXPECT_EQ(TempFolder::readBytes(f.configPath()), before);
}
