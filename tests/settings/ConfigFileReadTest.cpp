#include <gtest/gtest.h>

#include <QDir>

#include "settings/ConfigFile.h"
#include "settings/ConfigFileRead.h"
#include "settings/ConfigTestSupport.h"
#include "settings/SettingsDefaults.h"
#include "util/Cp932.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::expectedDefaultLines;

namespace {

// Every setting away from its default: negative and long numbers, and
// texts with commas where the file format puts commas of its own.
void fillUnusualValues(Settings& s, const QString& recordFolder) {
    s.CaptureRect = {{{-5, 0, 123456789, -1},
                      {800, 1000, 200, 100},
                      {1, 2, 3, 4},
                      {-2048, 2147483647, 200, 100},
                      {-2147483647 - 1, 7, 3, 4}}};
    s.AutoStart = false;
    s.CaptureInterval = 1440;
    s.BeepOnCapture = true;
    s.PayRecordFolder = recordFolder;
    s.PayRecordPrefix = QStringLiteral("給与, 明細 , 2");
    s.PayRecordCsv = true;
    s.PayRecordMonthly = false;
    s.LagCancelTime = 100;
    s.StartDelay = -300;
    s.AutoRunEnabled = {true, false};
    s.AutoRunPath = {QStringLiteral("/opt/tools, v2/run , now.sh"), QStringLiteral("a,b")};
    s.AutoRun2Delay = 299;
    s.ShotCheckEnabled = true;
    s.ShotCheckInterval = 2000;
    s.ImageExtension = QStringLiteral(".jpg");
    s.GestureEnabled = true;
    s.GestureWaitTime = 1000;
    s.GraphShow = false;
    s.GraphPoints = 250;
    s.GraphAverageCount = 2;
    s.RememberWindowPos = true;
    s.WindowLeft = -2048;
    s.WindowTop = 4096;
    s.WindowWidth = 1234567;
    s.WindowHeight = 300;
    s.MultiDisplay = true;
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
}

}  // namespace

TEST(ConfigFileRead, EverySettingSurvivesSaveAndLoad) {
    ConfigFixture f;
    const QString recordFolder = f.folder.file(QStringLiteral("pay, records , 2024"));
    ASSERT_TRUE(QDir().mkpath(recordFolder));
    fillUnusualValues(f.settings, recordFolder);
    const Settings saved = f.settings;
    ConfigFile(f.ctx, configop::Save);
    ASSERT_TRUE(f.prompt.shown.empty());

    ConfigFixture g;
    g.paths = f.paths;
    ConfigFile(g.ctx, configop::Load);
    EXPECT_TRUE(g.prompt.shown.empty())
        << g.prompt.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(g.settings, saved);
    EXPECT_FALSE(g.debugLog().contains(QStringLiteral("Error Trap")));
}

TEST(ConfigFileRead, SecondPositionsTakeTheirSizeFromTheStandardRegions) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
    lines[2] = QStringLiteral("    132 ,     54 ,     44 ,     12 , Exp");
    lines[3] = QStringLiteral("    103 ,     68 ,     80 ,     13 , Money");
    f.writeLines(f.configPath(), lines);
    f.settings.CaptureRect[3] = {0, 0, 1, 1};
    EXPECT_EQ(ConfigFileReadV230(f.ctx, f.configPath()), 0);
    EXPECT_EQ(f.settings.CaptureRect[3], (bm::CaptureRect{132, 68, 44, 12}));
    EXPECT_EQ(f.settings.CaptureRect[4], (bm::CaptureRect{103, 83, 80, 13}));
}

// Lines edited by hand: any letter case and numbers for switches, extra
// blanks and tabs around fields, LF line ends and no final empty line.
TEST(ConfigFileRead, FieldsAreTrimmedAndSwitchesReadLeniently) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
    lines[6] = QStringLiteral("false,x");
    lines[8] = QStringLiteral("\t-1\t,x");
    lines[10] = QStringLiteral("TRUE , x");
    lines[11] = QStringLiteral("0,");
    lines[17] = QStringLiteral(" tRuE ,+700 , comment, with, commas");
    lines[18] = QStringLiteral("  .bmp  ,");
    lines[27] = QStringLiteral("  01FC0202020201FC0000   \t ,     基準パターン画像変換文字列100");
    lines[64] = QStringLiteral("  LaTale Client  , 検索ウィンドウ名");
    lines.removeLast();
    f.settings.PayRecordMonthly = true;
    bm::test::TempFolder::writeBytes(f.configPath(), cp932::encode(lines.join(QLatin1Char('\n'))));
    EXPECT_EQ(ConfigFileReadV230(f.ctx, f.configPath()), 0);
    const Settings& s = f.settings;
    EXPECT_FALSE(s.AutoStart);
    EXPECT_TRUE(s.BeepOnCapture);
    EXPECT_TRUE(s.PayRecordCsv);
    EXPECT_FALSE(s.PayRecordMonthly);
    EXPECT_TRUE(s.ShotCheckEnabled);
    EXPECT_EQ(s.ShotCheckInterval, 700);
    EXPECT_EQ(s.ImageExtension, QStringLiteral(".bmp"));
    EXPECT_EQ(s.Patterns[0][0], QStringLiteral("01FC0202020201FC0000"));
    EXPECT_EQ(s.SearchWindowName, QStringLiteral("LaTale Client"));
}

TEST(ConfigFileRead, RecordFolderLineWithoutBlanksAroundTheSeparator) {
    ConfigFixture f;
    QStringList lines = expectedDefaultLines(f.folder.path(), true, true);
    lines[9] = f.folder.path() + QStringLiteral(",pay,comment");
    f.writeLines(f.configPath(), lines);
    EXPECT_EQ(ConfigFileReadV230(f.ctx, f.configPath()), 0);
    EXPECT_EQ(f.settings.PayRecordFolder, f.folder.path());
    EXPECT_EQ(f.settings.PayRecordPrefix, QStringLiteral("pay"));

    lines[9] = f.folder.path() + QStringLiteral(" comment only");
    f.writeLines(f.configPath(), lines);
    EXPECT_EQ(ConfigFileReadV230(f.ctx, f.configPath()), -1);
}

TEST(ConfigFileRead, MissingFilesAreUnreadable) {
    ConfigFixture f;
    EXPECT_EQ(ConfigFileOld(f.ctx, f.predecessorPath()), -1);
    EXPECT_EQ(ConfigFileReadV230(f.ctx, f.configPath()), -1);
    EXPECT_TRUE(f.debugLog().contains(
        QStringLiteral("Error Trap : ConfigFileReadV230 : CODE53  File not found")));
}
