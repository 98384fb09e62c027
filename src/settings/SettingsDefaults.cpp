#include "settings/SettingsDefaults.h"

namespace bm {

namespace {

constexpr int WindowModeDx = 3;
constexpr int WindowModeDy = 22;

const std::array<const char*, GlyphCount> LvWindows7Patterns = {
    "01FC0202020201FC0000", "0000000403FE00000000", "030C02820242023C0000", "018C0222022201DC0000",
    "00E0009C03FE00800000", "01BE0212021201E20000", "01FC0212021201E40000", "000203820072000E0000",
    "01DC0222022201DC0000", "013C0242024201FC0000", "00000200000000000000"};
const std::array<const char*, GlyphCount> LvStandardPatterns = {
    "01FC02020202020201FC", "00000004000403FE0000", "030C028202420222021C", "018C02020222022201DC",
    "00C000B0008C03FE0080", "01BE02120212021201E2", "01F802140212021201E4", "0002000203820072000E",
    "01DC02220222022201DC", "013C02420242014200FC", "00000200000000000000"};
// Exp and money share their digits (a negative image) and differ only in
// the delimiter: the percent sign for Exp, the letter E of "ELY" for money.
const std::array<const char*, 10> StatusDigitPatterns = {
    "0183017D017D017D0183", "017B017B0101017F017F", "011B016D016D016D0173", "01BB016D016D016D0193",
    "01C701DB01DD010101DF", "01B1017501750175018D", "0183016D016D016D019B", "01F901FD013D01CD01F1",
    "0193016D016D016D0193", "01B3016D016D016D0183"};
const char* const ExpDelimiter = "01B301D301EF0197019B";
const char* const MoneyDelimiter = "01070107015701570157";

}  // namespace

QString makeProgramTitle(const QString& versionText) {
    return QStringLiteral("Brindlemark  for  Latale    ") + versionText;
}

void applyGeneralDefaults(Settings& s, const QString& programFolder) {
    s.PayRecordFolder = programFolder;
    s.PayRecordPrefix = QStringLiteral("給与明細");
    s.PayRecordCsv = false;
    s.PayRecordMonthly = true;
    s.LagCancelTime = 0;
    s.StartDelay = 15;
    s.AutoRunEnabled = {false, false};
    s.AutoRunPath = {QString(), QString()};
    s.AutoRun2Delay = 15;
    s.ShotCheckEnabled = false;
    s.ShotCheckInterval = 1000;
    s.ImageExtension = QStringLiteral(".png");
    s.GestureEnabled = false;
    s.GestureWaitTime = 500;
    s.GraphShow = true;
    s.GraphPoints = 20;
    s.GraphAverageCount = 10;
}

void applyCaptureDefaults(Settings& s, bool fullScreen, bool windows7LvPatterns) {
    const int dx = fullScreen ? 0 : WindowModeDx;
    const int dy = fullScreen ? 0 : WindowModeDy;
    s.CaptureRect[0] = {45 + dx, 4 + dy, 27, 11};
    s.CaptureRect[1] = {132 + dx, 54 + dy, 39, 9};
    s.CaptureRect[2] = {103 + dx, 68 + dy, 76, 9};
    s.AutoStart = true;
    s.CaptureInterval = 6;
    s.BeepOnCapture = false;
    s.BinarizeThreshold = {173, 127, 186};
    s.BinarizeMask = {-1, -1, -1};
    s.PatternSize[0] = {5, 5, 5};
    s.PatternSize[1] = {11, 9, 9};
    const auto& lv = windows7LvPatterns ? LvWindows7Patterns : LvStandardPatterns;
    for (int g = 0; g < GlyphCount; ++g) {
        s.Patterns[0][g] = QString::fromLatin1(lv[g]);
    }
    for (int g = 0; g < 10; ++g) {
        s.Patterns[1][g] = QString::fromLatin1(StatusDigitPatterns[g]);
        s.Patterns[2][g] = QString::fromLatin1(StatusDigitPatterns[g]);
    }
    s.Patterns[1][DelimiterGlyph] = QString::fromLatin1(ExpDelimiter);
    s.Patterns[2][DelimiterGlyph] = QString::fromLatin1(MoneyDelimiter);
}

void applyExtensionDefaults(Settings& s, bool fullScreen) {
    const int dx = fullScreen ? 0 : WindowModeDx;
    const int dy = fullScreen ? 0 : WindowModeDy;
    s.CaptureRect[3].X = 132 + dx;
    s.CaptureRect[3].Y = 68 + dy;
    s.CaptureRect[4].X = 103 + dx;
    s.CaptureRect[4].Y = 83 + dy;
    copyExtensionSizes(s);
    s.MultiDisplay = false;
    s.RememberWindowPos = false;
    s.DisplayOffsetX = 0;
    s.DisplayOffsetY = 0;
    s.WindowLeft = 0;
    s.WindowTop = 0;
    s.WindowWidth = 0;
    s.WindowHeight = 0;
}

void copyExtensionSizes(Settings& s) {
    s.CaptureRect[3].Width = s.CaptureRect[1].Width;
    s.CaptureRect[3].Height = s.CaptureRect[1].Height;
    s.CaptureRect[4].Width = s.CaptureRect[2].Width;
    s.CaptureRect[4].Height = s.CaptureRect[2].Height;
}

}  // namespace bm
