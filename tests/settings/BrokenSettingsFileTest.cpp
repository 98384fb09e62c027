#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "app/Cp932.h"
#include "app/SettingBounds.h"
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
// bytes on disk. `clamped` is the debug-log line the load must write; an
// empty one means the file is unreadable and goes the repair way (message,
// backup, defaults).
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

// Line 13 replaced by bytes that are no CP932 text at all.
QByteArray binaryLine(QStringList lines) {
    QByteArray out = encodeLines(lines.mid(0, 12));
    out += QByteArray("\x00\xff\xfe\x81\x00\x9f,\x80\r\n", 11);
    out += encodeLines(lines.mid(13));
    return out;
}

QByteArray noise() {
    QByteArray out;
    for (int i = 0; i < 4096; ++i) {
        out += static_cast<char>((i * 131 + 17) % 256);
    }
    return out;
}

std::string rowName(const ::testing::TestParamInfo<BrokenFile>& info) {
    return info.param.name;
}

class BrokenSettingsFile : public ::testing::TestWithParam<BrokenFile> {};

#define EXPECT_IN(value, b) \
    EXPECT_TRUE((value) >= (b).min && (value) <= (b).max) << #value " = " << (value)

// Everything the capture, graph, timers, window and launcher read.
void expectBounded(const Settings& s) {
    for (const auto& r : s.CaptureRect) {
        EXPECT_IN(r.X, bounds::CaptureX);
        EXPECT_IN(r.Y, bounds::CaptureY);
        EXPECT_IN(r.Width, bounds::CaptureWidth);
        EXPECT_IN(r.Height, bounds::CaptureHeight);
    }
    EXPECT_IN(s.CaptureInterval, bounds::CaptureInterval);
    EXPECT_IN(s.LagCancelTime, bounds::LagCancelTime);
    EXPECT_IN(s.StartDelay, bounds::StartDelay);
    EXPECT_IN(s.AutoRun2Delay, bounds::AutoRun2Delay);
    EXPECT_IN(s.ShotCheckInterval, bounds::ShotCheckInterval);
    EXPECT_IN(s.GestureWaitTime, bounds::GestureWaitTime);
    EXPECT_IN(s.GraphPoints, bounds::GraphPoints);
    EXPECT_IN(s.GraphAverageCount, bounds::GraphAverageCount);
    EXPECT_IN(s.WindowLeft, bounds::WindowLeft);
    EXPECT_IN(s.WindowTop, bounds::WindowTop);
    EXPECT_IN(s.WindowWidth, (NumericSetting{0, bounds::WindowWidth.max, 1, ""}));
    EXPECT_IN(s.WindowHeight, (NumericSetting{0, bounds::WindowHeight.max, 1, ""}));
    EXPECT_IN(s.DisplayOffsetX, bounds::DisplayOffsetX);
    EXPECT_IN(s.DisplayOffsetY, bounds::DisplayOffsetY);
    for (int r = 0; r < ReadingCount; ++r) {
        EXPECT_IN(s.BinarizeThreshold[r], (NumericSetting{0, 256, 1, ""}));
        EXPECT_IN(s.BinarizeMask[r], (NumericSetting{-1, 256, 1, ""}));
        EXPECT_IN(s.PatternSize[0][r], (NumericSetting{1, 200, 1, ""}));
        EXPECT_IN(s.PatternSize[1][r], (NumericSetting{1, 100, 1, ""}));
    }
}

}  // namespace

TEST_P(BrokenSettingsFile, LoadsBoundedValuesWithAClampLineOrTheRepair) {
    const BrokenFile& row = GetParam();
    ConfigFixture f;
    const QByteArray broken = row.file(test::expectedDefaultLines(f.folder.path(), false, false));
    TempFolder::writeBytes(f.configPath(), broken);

    ConfigFile(f.ctx, ConfigOp::Load);

    expectBounded(f.settings);
    const QStringList shown = f.prompt.texts();
    if (*row.clamped != '\0') {
        EXPECT_TRUE(f.debugLog().contains(QString::fromUtf8(row.clamped) + QStringLiteral("\r\n")))
            << f.debugLog().toStdString();
        EXPECT_FALSE(shown.contains(UnreadableMessage));
        // Clamping is no reason to rewrite the file.
        EXPECT_EQ(TempFolder::readBytes(f.configPath()), broken);
    } else {
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.first(), UnreadableMessage);
        EXPECT_EQ(TempFolder::readBytes(f.backupPath()), broken);
        EXPECT_EQ(f.fileLines().size(), 66);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, BrokenSettingsFile, ::testing::Values(
    BrokenFile{"LvRegionBillionWideZeroHigh", line(2, "45, 4, 1000000000, 0, c"),
               "Setting Clamped : CaptureRect.Width(0) 1000000000 -> 200 "},
    BrokenFile{"LvRegionZeroHigh", line(2, "45, 4, 27, 0, c"),
               "Setting Clamped : CaptureRect.Height(0) 0 -> 4 "},
    BrokenFile{"LvRegionNegativeX", line(2, "-5, 4, 27, 11, c"),
               "Setting Clamped : CaptureRect.X(0) -5 -> 0 "},
    BrokenFile{"ExpRegionHugeY", line(3, "135, 99999, 39, 9, c"),
               "Setting Clamped : CaptureRect.Y(1) 99999 -> 1000 "},
    BrokenFile{"ExpRegionZeroWide", line(3, "135, 76, 0, 9, c"),
               "Setting Clamped : CaptureRect.Width(1) 0 -> 4 "},
    BrokenFile{"MoneyRegionNegativeHigh", line(4, "106, 90, 76, -9, c"),
               "Setting Clamped : CaptureRect.Height(2) -9 -> 4 "},
    BrokenFile{"MoneyRegionLargestInt", line(4, "106, 90, 2147483647, 9, c"),
               "Setting Clamped : CaptureRect.Width(2) 2147483647 -> 200 "},
    BrokenFile{"SecondExpLargestX", line(5, "2147483647, 90, c"),
               "Setting Clamped : CaptureRect.X(3) 2147483647 -> 800 "},
    BrokenFile{"SecondMoneySmallestY", line(6, "106, -2147483648, c"),
               "Setting Clamped : CaptureRect.Y(4) -2147483648 -> 0 "},
    BrokenFile{"IntervalZero", line(8, "0, c"),
               "Setting Clamped : CaptureInterval 0 -> 1 "},
    BrokenFile{"IntervalNegative", line(8, "-6, c"),
               "Setting Clamped : CaptureInterval -6 -> 1 "},
    BrokenFile{"IntervalHuge", line(8, "1000000, c"),
               "Setting Clamped : CaptureInterval 1000000 -> 1440 "},
    BrokenFile{"LagHuge", line(13, "5000, c"),
               "Setting Clamped : LagCancelTime 5000 -> 100 "},
    BrokenFile{"LagNegative", line(13, "-1, c"),
               "Setting Clamped : LagCancelTime -1 -> 0 "},
    BrokenFile{"StartDelayWrapsInMilliseconds", line(14, "2147483647, c"),
               "Setting Clamped : StartDelay 2147483647 -> 300 "},
    BrokenFile{"StartDelayNegative", line(14, "-15, c"),
               "Setting Clamped : StartDelay -15 -> 0 "},
    BrokenFile{"SecondAppDelayHuge", line(17, "2000000, c"),
               "Setting Clamped : AutoRun2Delay 2000000 -> 300 "},
    BrokenFile{"ShotCheckZero", line(18, "True, 0, c"),
               "Setting Clamped : ShotCheckInterval 0 -> 100 "},
    BrokenFile{"ShotCheckHuge", line(18, "False, 99999999, c"),
               "Setting Clamped : ShotCheckInterval 99999999 -> 2000 "},
    BrokenFile{"GestureWaitNegative", line(20, "False, -500, c"),
               "Setting Clamped : GestureWaitTime -500 -> 100 "},
    BrokenFile{"GraphTwoBillionPoints", line(21, "True , 2000000000 , 10, c"),
               "Setting Clamped : GraphPoints 2000000000 -> 250 "},
    BrokenFile{"GraphTenMillionPoints", line(21, "True , 10000000 , 10, c"),
               "Setting Clamped : GraphPoints 10000000 -> 250 "},
    BrokenFile{"GraphZeroPoints", line(21, "True , 0 , 10, c"),
               "Setting Clamped : GraphPoints 0 -> 10 "},
    BrokenFile{"GraphAverageZero", line(21, "True , 20 , 0, c"),
               "Setting Clamped : GraphAverageCount 0 -> 2 "},
    BrokenFile{"GraphAverageHuge", line(21, "True , 20 , 100000, c"),
               "Setting Clamped : GraphAverageCount 100000 -> 20 "},
    BrokenFile{"WindowHundredThousandSquare", line(23, "0, 0, 100000, 100000, c"),
               "Setting Clamped : WindowWidth 100000 -> 2048 "},
    BrokenFile{"WindowFarLeft", line(23, "-99999, 0, 0, 0, c"),
               "Setting Clamped : WindowLeft -99999 -> -2048 "},
    BrokenFile{"WindowNegativeHeight", line(23, "0, 0, 488, -1, c"),
               "Setting Clamped : WindowHeight -1 -> 0 "},
    BrokenFile{"DisplayOffsetHuge", line(25, "99999, 0, c"),
               "Setting Clamped : DisplayOffsetX 99999 -> 2048 "},
    BrokenFile{"ThresholdHuge", line(26, "9999, -1, c"),
               "Setting Clamped : BinarizeThreshold(0) 9999 -> 256 "},
    BrokenFile{"MaskBelowOff", line(39, "127, -7, c"),
               "Setting Clamped : BinarizeMask(1) -7 -> -1 "},
    BrokenFile{"GlyphZeroWide", line(27, "0, 11, c"),
               "Setting Clamped : PatternSize.Width(0) 0 -> 1 "},
    BrokenFile{"GlyphHugeWide", line(53, "100000, 9, c"),
               "Setting Clamped : PatternSize.Width(2) 100000 -> 200 "},
    BrokenFile{"TextInANumber", line(8, "abc, c"), ""},
    BrokenFile{"NumberBeyond32Bits", line(21, "True , 99999999999 , 10, c"), ""},
    BrokenFile{"FractionInANumber", line(8, "6.5, c"), ""},
    BrokenFile{"ExponentInANumber", line(21, "True , 1e9 , 10, c"), ""},
    BrokenFile{"EmptyNumberField", line(21, "True , , 10, c"), ""},
    BrokenFile{"LineWithoutComma", line(8, "12345"), ""},
    BrokenFile{"TruncatedAfterThirtyLines", firstLines(30), ""},
    BrokenFile{"TitleLineOnly", firstLines(1), ""},
    BrokenFile{"EmptyFile", bytes(QByteArray()), ""},
    BrokenFile{"BinaryBytesInALine", binaryLine, ""},
    BrokenFile{"BinaryNoise", bytes(noise()), ""}),
    rowName);
// clang-format on
