#include <gtest/gtest.h>

#include <functional>

#include "app/Cp932.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::TempFolder;

namespace {

const QString UnreadableMessage = QStringLiteral(
    "読込みできない設定ファイルです。\r\n　　初期値で設定ファイルを再作成します。\r\n"
    "　　以前のファイルは「TK2LConfigBack.ini」で保存されます。\r\n");

// A settings file damaged on purpose. `file` turns the lines of a valid
// file (window mode, the record folder being the program folder) into the
// bytes on disk. `clamped` is the "Setting Clamped" debug-log line the load
// must write for a value out of bounds; an empty one means the reader cannot
// read the file, which goes the repair way (message, backup, defaults).
struct BrokenFile {
    const char* name;
    std::function<QByteArray(QStringList)> file;
    const char* clamped;
};

QByteArray encodeLines(const QStringList& lines) {
    return cp932::encode(test::joinLines(lines));
}

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

std::function<QByteArray(QStringList)> bytes(QByteArray raw) {
    return [raw](const QStringList&) { return raw; };
}

// A file of the previous layout, cut after 30 lines.
QByteArray previousLayoutCut(QStringList lines) {
    lines[0] = QStringLiteral("Brindlemark  for  Latale    Ver.2.20b3");
    lines.remove(21, 4);
    lines.remove(4, 2);
    return encodeLines(lines.mid(0, 30));
}

QByteArray noise() {
    QByteArray out;
    for (int i = 0; i < 4096; ++i) {
        out += static_cast<char>((i * 131 + 17) % 256);
    }
    return out;
}

const BrokenFile Rows[] = {
    {"LvRegionBillionWideZeroHigh", line(2, "45, 4, 1000000000, 0, c"),
     "CaptureRect.Width(0) 1000000000 -> 200"},
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
    {"GraphTwoBillionPoints", line(21, "True , 2000000000 , 10, c"),
     "GraphPoints 2000000000 -> 250"},
    {"GraphZeroPoints", line(21, "True , 0 , 10, c"), "GraphPoints 0 -> 10"},
    {"GraphAverageZero", line(21, "True , 20 , 0, c"), "GraphAverageCount 0 -> 2"},
    {"WindowHundredThousandSquare", line(23, "0, 0, 100000, 100000, c"),
     "WindowWidth 100000 -> 2048"},
    {"WindowFarLeft", line(23, "-99999, 0, 0, 0, c"), "WindowLeft -99999 -> -2048"},
    {"WindowNegativeHeight", line(23, "0, 0, 488, -1, c"), "WindowHeight -1 -> 0"},
    {"DisplayOffsetHuge", line(25, "99999, 0, c"), "DisplayOffsetX 99999 -> 2048"},
    {"ThresholdHuge", line(26, "9999, -1, c"), "BinarizeThreshold(0) 9999 -> 256"},
    {"MaskBelowOff", line(39, "127, -7, c"), "BinarizeMask(1) -7 -> -1"},
    {"GlyphHugeWide", line(53, "100000, 9, c"), "PatternSize.Width(2) 100000 -> 200"},
    {"TextInANumber", line(8, "abc, c"), ""},
    {"SwitchNeitherTrueNorFalse", line(7, " yes , comment"), ""},
    {"NumberBeyond32Bits", line(21, "True , 99999999999 , 10, c"), ""},
    {"FractionInANumber", line(8, "6.5, c"), ""},
    {"ExponentInANumber", line(21, "True , 1e9 , 10, c"), ""},
    {"EmptyNumberField", line(21, "True , , 10, c"), ""},
    {"LineWithoutComma", line(8, "12345"), ""},
    {"TooFewFields", line(18, " False , no more fields"), ""},
    {"CutBeforeTheWindowName", firstLines(64), ""},
    {"TruncatedAfterThirtyLines", firstLines(30), ""},
    {"PreviousLayoutTruncated", previousLayoutCut, ""},
    {"TitleLineOnly", firstLines(1), ""},
    {"EmptyFile", bytes(QByteArray()), ""},
    {"BinaryNoise", bytes(noise()), ""},
};

class BrokenSettingsFile : public ::testing::TestWithParam<BrokenFile> {};

}  // namespace

TEST_P(BrokenSettingsFile, LoadsBoundedValuesOrRepairsWithABackup) {
    const BrokenFile& row = GetParam();
    ConfigFixture f;
    const QByteArray broken = row.file(test::expectedDefaultLines(f.folder.path(), false, false));
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
        EXPECT_EQ(f.prompt.shown[0].text, UnreadableMessage);
        EXPECT_EQ(TempFolder::readBytes(f.backupPath()), broken);
        EXPECT_EQ(f.fileLines(), test::expectedDefaultLines(f.folder.path(), false, false));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BrokenSettingsFile, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.name); });
