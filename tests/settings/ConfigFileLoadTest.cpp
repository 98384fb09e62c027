#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::encodeLines;
using bm::test::expectedDefaultLines;
using bm::test::TempFolder;

namespace {

// The previous layout: the current one without the second positions
// (lines 5-6) and the window items (lines 22-25), and another version.
QStringList previousLayout(QStringList current) {
    current[0] = QStringLiteral("Brindlemark  for  Latale    Ver.2.20b3");
    current.remove(21, 4);
    current.remove(4, 2);
    return current;
}

// `file` damages the default lines; `clamped` is the expected "Setting Clamped"
// log line, empty when the file cannot be read and must be repaired.
struct BrokenFile {
    const char* name;
    std::function<QByteArray(QStringList)> file;
    const char* clamped;
};

// The file with line `number` (1-based) replaced.
std::function<QByteArray(QStringList)> line(int number, const char* text) {
    return [number, text](QStringList lines) {
        lines[number - 1] = QString::fromUtf8(text);
        return encodeLines(lines);
    };
}

std::function<QByteArray(QStringList)> firstLines(int count) {
    return [count](QStringList lines) { return encodeLines(lines.mid(0, count)); };
}

// One row per bounded setting, at the bound that matters most for it.
const BrokenFile Rows[] = {
    {"LvRegionNegativeX", line(2, "-5, 4, 27, 11, c"), "CaptureRect.X(0) -5 -> 0"},
    {"ExpRegionHugeY", line(3, "135, 99999, 39, 9, c"), "CaptureRect.Y(1) 99999 -> 1000"},
    {"MoneyRegionNegativeHigh", line(4, "106, 90, 76, -9, c"), "CaptureRect.Height(2) -9 -> 4"},
    {"MoneyRegionLargestInt", line(4, "106, 90, 2147483647, 9, c"),
     "CaptureRect.Width(2) 2147483647 -> 200"},
    {"SecondMoneySmallestY", line(6, "106, -2147483648, c"), "CaptureRect.Y(4) -2147483648 -> 0"},
    {"IntervalZero", line(8, "0, c"), "CaptureInterval 0 -> 1"},
    {"LagHuge", line(13, "5000, c"), "LagCancelTime 5000 -> 100"},
    {"StartDelayWrapsInMilliseconds", line(14, "2147483647, c"), "StartDelay 2147483647 -> 300"},
    {"SecondAppDelayHuge", line(17, "2000000, c"), "AutoRun2Delay 2000000 -> 300"},
    {"ShotCheckZero", line(18, "True, 0, c"), "ShotCheckInterval 0 -> 100"},
    {"GestureWaitNegative", line(20, "False, -500, c"), "GestureWaitTime -500 -> 100"},
    {"GraphZeroPoints", line(21, "True , 0 , 10, c"), "GraphPoints 0 -> 10"},
    {"GraphAverageZero", line(21, "True , 20 , 0, c"), "GraphAverageCount 0 -> 2"},
    {"WindowHundredThousandWide", line(23, "0, 0, 100000, 0, c"), "WindowWidth 100000 -> 2048"},
    {"WindowFarLeft", line(23, "-99999, 0, 0, 0, c"), "WindowLeft -99999 -> -2048"},
    {"WindowNegativeHeight", line(23, "0, 0, 488, -1, c"), "WindowHeight -1 -> 0"},
    {"DisplayOffsetHuge", line(25, "99999, 0, c"), "DisplayOffsetX 99999 -> 2048"},
    {"ThresholdHuge", line(26, "9999, -1, c"), "BinarizeThreshold(0) 9999 -> 256"},
    {"MaskBelowOff", line(39, "127, -7, c"), "BinarizeMask(1) -7 -> -1"},
    {"GlyphHugeWide", line(53, "100000, 9, c"), "PatternSize.Width(2) 100000 -> 200"},
    {"TextInANumber", line(8, "abc, c"), ""},
    {"SwitchNeitherTrueNorFalse", line(7, " yes , comment"), ""},
    {"NumberBeyond32Bits", line(21, "True , 99999999999 , 10, c"), ""},
    {"LineWithoutComma", line(8, "12345"), ""},
    {"CutBeforeTheWindowName", firstLines(64), ""},
    {"PreviousLayoutTruncated",
     [](const QStringList& lines) { return encodeLines(previousLayout(lines).mid(0, 30)); }, ""},
    {"EmptyFile", firstLines(0), ""},
    {"BinaryNoise",
     [](const QStringList&) { return QByteArray::fromHex("00ff80fe0d0a81ff0a9f00"); }, ""},
};

class BrokenSettingsFile : public ::testing::TestWithParam<BrokenFile> {};

}  // namespace

TEST_P(BrokenSettingsFile, LoadsBoundedValuesOrRepairsWithABackup) {
    const BrokenFile& row = GetParam();
    ConfigFixture f;
    const QByteArray broken = row.file(expectedDefaultLines(f.folder.path(), false, false));
    TempFolder::writeBytes(f.configPath(), broken);
    // The repair's message, then window mode confirmed and the standard glyphs.
    for (const PromptAnswer a :
         {PromptAnswer::Ok, PromptAnswer::No, PromptAnswer::Ok, PromptAnswer::No}) {
        f.prompt.queue(a);
    }

    ConfigFile(f.ctx, ConfigOp::Load);

    if (*row.clamped != '\0') {
        const QString clamped = QStringLiteral("Setting Clamped : %1 ").arg(row.clamped);
        EXPECT_TRUE(f.logMessages().contains(clamped)) << f.logMessages().join('\n').toStdString();
        EXPECT_TRUE(f.prompt.shown.empty());
        // Clamping is no reason to rewrite the file.
        EXPECT_EQ(TempFolder::readBytes(f.configPath()), broken);
    } else {
        EXPECT_TRUE(f.logged(QStringLiteral("Error Trap : ConfigFileRead")));
        ASSERT_EQ(f.prompt.shown.size(), 4u);
        EXPECT_TRUE(f.prompt.shown[0].text.startsWith(QStringLiteral("読込みできない")));
        EXPECT_EQ(TempFolder::readBytes(f.backupPath()), broken);
        EXPECT_EQ(f.fileLines(), expectedDefaultLines(f.folder.path(), false, false));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BrokenSettingsFile, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.name); });

// Also a file with no version in its title; the missing regions follow its mode.
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

            ASSERT_EQ(f.prompt.shown.size(), 1u);
            EXPECT_TRUE(f.prompt.shown[0].text.startsWith(QStringLiteral("古い設定")));
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

// Never its regions; an unreadable one is logged and the defaults written.
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
        EXPECT_EQ(f.settings.LagCancelTime, answer == PromptAnswer::Yes ? 40 : 0);
        EXPECT_EQ(f.settings.CaptureRect[0], (bm::CaptureRect{45, 4, 27, 11}));
        EXPECT_EQ(f.fileLines().size(), 66);
    }

    ConfigFixture broken;
    broken.writeLines(broken.predecessorPath(), {QStringLiteral("     45 , 4")});
    ConfigFile(broken.ctx, ConfigOp::Load);
    EXPECT_TRUE(broken.logged(QStringLiteral("Error Trap : ConfigFileOld : CODE")));
    EXPECT_EQ(broken.fileLines(), expectedDefaultLines(broken.folder.path(), true, true));
}

// A name of four characters or fewer is no name and is not offered.
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

// Missing, a file, below a file, or with a file where its "log" folder goes.
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
        EXPECT_EQ(f.prompt.shown.size(), 1u);
        EXPECT_EQ(f.fileLines().at(9),
                  f.folder.path() + QStringLiteral(" , 記録 , 時給ファイル保存場所"));
    }
}
