#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "app/Cp932.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigFileRead.h"
#include "settings/ConfigTestSupport.h"
#include "settings/ExtraSettings.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::encodeLines;
using bm::test::expectedDefaultLines;
using bm::test::TempFolder;

// Cancel at the set-up confirmation reverses the first answer.
TEST(ConfigFileWrite, FirstRunWritesTheDefaultsByteExact) {
    using A = PromptAnswer;
    const struct {
        A answers[3];
        bool fullScreen, windows7;
    } rows[] = {{{A::Yes, A::Ok, A::Yes}, true, true},
                {{A::No, A::Ok, A::No}, false, false},
                {{A::Yes, A::Cancel, A::No}, false, false},
                {{A::No, A::Cancel, A::Yes}, true, true}};
    for (const auto& row : rows) {
        ConfigFixture f;
        for (const A answer : row.answers) {
            f.prompt.queue(answer);
        }
        ConfigFile(f.ctx, ConfigOp::Load);

        SCOPED_TRACE(testing::Message() << "fullScreen " << row.fullScreen);
        EXPECT_EQ(f.prompt.shown.size(), 3u);
        EXPECT_EQ(TempFolder::readBytes(f.configPath()),
                  encodeLines(expectedDefaultLines(f.folder.path(), row.fullScreen, row.windows7)));
    }
}

// A file size limit cuts the save short (it stops root too); no temporary is left.
TEST(ConfigFileWrite, FailedSaveReportsAndKeepsTheOldFile) {
    ConfigFixture f;
    ConfigFile(f.ctx, ConfigOp::Initialise);
    const QByteArray before = TempFolder::readBytes(f.configPath());
    f.prompt.shown.clear();
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 1000;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    ConfigFile(f.ctx, ConfigOp::Save);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(f.prompt.shown.size(), 1u);
    EXPECT_TRUE(f.logged(QStringLiteral("Error Trap : ConfigFile 2 : CODE75  ")));
    EXPECT_EQ(TempFolder::readBytes(f.configPath()), before);
    EXPECT_EQ(QDir(f.folder.path()).entryList({QStringLiteral("TK2LConfig*")}).size(), 1);
}

// Negative and long numbers, and texts with commas where the format has its own.
TEST(ConfigFileRead, EverySettingSurvivesSaveAndLoad) {
    ConfigFixture f;
    Settings& s = f.settings;
    s.PayRecordFolder = f.folder.file(QStringLiteral("pay, records , 2024"));
    ASSERT_TRUE(QDir().mkpath(s.PayRecordFolder));
    s.CaptureRect = {{{-5, 0, 123456789, -1},
                      {800, 1000, 200, 100},
                      {1, 2, 3, 4},
                      {-2048, 2147483647, 200, 100},
                      {-2147483647 - 1, 7, 3, 4}}};
    s.AutoStart = false;
    s.CaptureInterval = 1440;
    s.BeepOnCapture = s.PayRecordCsv = s.ShotCheckEnabled = s.GestureEnabled = true;
    s.RememberWindowPos = s.MultiDisplay = true;
    s.PayRecordPrefix = QStringLiteral("給与, 明細 , 2");
    s.LagCancelTime = 100;
    s.StartDelay = -300;
    s.AutoRunEnabled = {true, false};
    s.AutoRunPath = {QStringLiteral("/opt/tools, v2/run , now.sh"), QStringLiteral("a,b")};
    s.AutoRun2Delay = 299;
    s.ShotCheckInterval = 2000;
    s.ImageExtension = QStringLiteral(".jpg");
    s.GestureWaitTime = 1000;
    s.GraphShow = false;
    s.GraphPoints = 250;
    s.GraphAverageCount = 2;
    s.WindowLeft = -2048;
    s.WindowTop = 4096;
    s.WindowWidth = 1234567;
    s.WindowHeight = 300;
    s.DisplayOffsetX = -2048;
    s.DisplayOffsetY = 2048;
    for (int r = 0; r < ReadingCount; ++r) {
        s.BinarizeThreshold[r] = 100 + r;
        s.BinarizeMask[r] = r - 1;
        s.PatternSize[0][r] = 6 + r;
        s.PatternSize[1][r] = 12 + r;
        for (int g = 0; g < GlyphCount; ++g) {
            s.Patterns[r][g] = QStringLiteral("%1%2FFFF0000").arg(r).arg(g, 3, 10, QChar('0'));
        }
    }
    s.Patterns[2][10] = QString();
    ConfigFile(f.ctx, ConfigOp::Save);

    // The reader gives back every value as written, out-of-range ones too;
    // bounding them is the load's business.
    ConfigFixture g;
    g.paths = f.paths;
    EXPECT_EQ(ConfigFileReadV230(g.ctx, configFilePath(f.paths)), 0);
    EXPECT_TRUE(g.prompt.shown.empty());
    EXPECT_EQ(g.settings, s);
    EXPECT_FALSE(g.logged(QStringLiteral("Error Trap")));
}

// Hand-edited lines: switch case and numbers, blanks, commas in comments, LF ends.
TEST(ConfigFileRead, FieldsAreTrimmedAndSwitchesReadLeniently) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
    lines[6] = QStringLiteral("false,x");
    lines[8] = QStringLiteral("\t-1\t,x");
    lines[9] = f.folder.path() + QStringLiteral(",pay,comment");
    lines[10] = QStringLiteral("TRUE , x");
    lines[11] = QStringLiteral("0,");
    lines[17] = QStringLiteral(" tRuE ,+700 , comment, with, commas");
    lines[18] = QStringLiteral("  .bmp  ,");
    lines[27] = QStringLiteral("  01FC0202020201FC0000   \t ,     基準パターン画像変換文字列100");
    lines[64] = QStringLiteral("  LaTale Client  , 検索ウィンドウ名");
    lines.removeLast();
    TempFolder::writeBytes(f.configPath(), cp932::encode(lines.join(QLatin1Char('\n'))));
    EXPECT_EQ(ConfigFileReadV230(f.ctx, f.configPath()), 0);
    const Settings& s = f.settings;
    EXPECT_FALSE(s.AutoStart);
    EXPECT_TRUE(s.BeepOnCapture);
    EXPECT_EQ(s.PayRecordFolder, f.folder.path());
    EXPECT_EQ(s.PayRecordPrefix, QStringLiteral("pay"));
    EXPECT_TRUE(s.PayRecordCsv);
    EXPECT_FALSE(s.PayRecordMonthly);
    EXPECT_TRUE(s.ShotCheckEnabled);
    EXPECT_EQ(s.ShotCheckInterval, 700);
    EXPECT_EQ(s.ImageExtension, QStringLiteral(".bmp"));
    EXPECT_EQ(s.Patterns[0][0], QStringLiteral("01FC0202020201FC0000"));
    EXPECT_EQ(s.SearchWindowName, QStringLiteral("LaTale Client"));
}

// A path edited by hand wins; CP932 paths need no text kept beside the file.
TEST(SettingsSave, PathsOutsideCp932ComeBackExactWithoutAMessageOrARewrite) {
    ConfigFixture f;
    ConfigFile(f.ctx, ConfigOp::Initialise);
    EXPECT_FALSE(QFileInfo::exists(extraSettingsPath(f.paths)));
    const QString folder = f.folder.file(QStringLiteral("léa/記録"));
    const QString tool = f.folder.file(QStringLiteral("jeu-ü.sh"));
    ASSERT_TRUE(QDir().mkpath(folder));
    f.settings.PayRecordFolder = folder;
    f.settings.AutoRunPath[1] = tool;
    ConfigFile(f.ctx, ConfigOp::Save);
    QStringList lines = f.fileLines();
    EXPECT_TRUE(lines[9].startsWith(f.folder.file(QStringLiteral("l?a/記録 , "))));
    QByteArray written = TempFolder::readBytes(f.configPath());

    // Two starts over the same folder, then one after the line was edited by hand.
    for (int start = 0; start < 3; ++start) {
        if (start == 2) {
            lines[9] = f.folder.path() + QStringLiteral(" , 給与明細 , 時給ファイル保存場所");
            f.writeLines(f.configPath(), lines);
            written = TempFolder::readBytes(f.configPath());
        }
        ConfigFixture next;
        next.paths = f.paths;
        ConfigFile(next.ctx, ConfigOp::Load);
        EXPECT_EQ(next.settings.PayRecordFolder, start < 2 ? folder : f.folder.path());
        EXPECT_EQ(next.settings.AutoRunPath[1], tool);
        EXPECT_TRUE(next.prompt.shown.empty());
        EXPECT_EQ(TempFolder::readBytes(f.configPath()), written);
    }
}

// Empty, half-written or complete temporaries go; own files with similar names stay.
TEST(SettingsSave, StaleTemporariesOfAnEndedSaveAreRemovedAtStartUp) {
    ConfigFixture f;
    ConfigFile(f.ctx, ConfigOp::Initialise);
    const QByteArray saved = TempFolder::readBytes(f.configPath());
    const std::pair<const char*, QByteArray> files[] = {
        {"TK2LConfig.ini.a1B2c3", {}},    {"TK2LConfig.ini.Zq0abc", saved.left(7)},
        {"TK2LConfig.ini.9xYzWv", saved}, {"TK2LConfig.ini.bak", saved},
        {"TK2LConfig.ini.a1B2c3d", {}},   {"TK2LConfigBack.ini", {}}};
    for (const auto& [name, bytes] : files) {
        TempFolder::writeBytes(f.folder.file(QLatin1String(name)), bytes);
    }
    RemoveStaleConfigTemporaries(f.paths, f.log);
    for (int i = 0; i < 6; ++i) {
        const QString name = QLatin1String(files[i].first);
        EXPECT_EQ(QFileInfo::exists(f.folder.file(name)), i >= 3) << files[i].first;
        EXPECT_EQ(f.logged(QStringLiteral("Stale Temporary Removed : ") + name), i < 3);
    }
    EXPECT_EQ(TempFolder::readBytes(f.configPath()), saved);
}

TEST(SettingsSave, ASymbolicLinkStaysALinkAndItsTargetIsReplaced) {
    ConfigFixture f;
    TempFolder elsewhere;
    const QString target = elsewhere.file(QStringLiteral("real.ini"));
    TempFolder::writeBytes(target, "old");
    ASSERT_TRUE(QFile::link(target, f.configPath()));

    ConfigFile(f.ctx, ConfigOp::Initialise);
    EXPECT_TRUE(QFileInfo(f.configPath()).isSymLink());
    EXPECT_EQ(QFileInfo(f.configPath()).symLinkTarget(), target);
    EXPECT_EQ(TempFolder::readBytes(target),
              encodeLines(expectedDefaultLines(f.folder.path(), true, true)));
    // No temporary is left beside either.
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"real.ini"});
}
