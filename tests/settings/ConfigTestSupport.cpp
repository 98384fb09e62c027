#include "settings/ConfigTestSupport.h"

#include "settings/SettingsDefaults.h"
#include "util/Cp932.h"

namespace bm::test {

ConfigFixture::ConfigFixture()
    : paths(ProgramPaths::single(folder.path())),
      log(folder.path(), platform),
      ctx{settings, run, paths, platform, log, prompt} {
    settings.SearchWindowName = QStringLiteral("LaTale Client");
    settings.VersionText = QStringLiteral("Ver.2.30b0");
    settings.ProgramTitle = makeProgramTitle(settings.VersionText);
}

QStringList ConfigFixture::fileLines() const {
    QStringList lines =
        cp932::decode(TempFolder::readBytes(configPath())).split(QStringLiteral("\r\n"));
    // Every line ends in CR LF, so the split leaves one empty piece after the last.
    lines.removeLast();
    return lines;
}

void ConfigFixture::writeLines(const QString& path, const QStringList& lines) const {
    TempFolder::writeBytes(path, cp932::encode(joinLines(lines)));
}

QString ConfigFixture::debugLog() const {
    return cp932::decode(TempFolder::readBytes(log.path()));
}

QString joinLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    return text;
}

QStringList expectedDefaultLines(const QString& programFolder, bool fullScreen, bool windows7) {
    const QString c1 = QStringLiteral(", ");
    const QString c10 = QStringLiteral(",") + QString(10, QLatin1Char(' '));
    const QString c19 = QStringLiteral(",") + QString(19, QLatin1Char(' '));
    QStringList l;
    l << QStringLiteral("Brindlemark  for  Latale    Ver.2.30b0");
    if (fullScreen) {
        l << QStringLiteral("     45 ,      4 ,     27 ,     11 ") + c1 +
                 QStringLiteral("Lvキャプチャ領域(1)、開始座標とサイズ");
        l << QStringLiteral("    132 ,     54 ,     39 ,      9 ") + c1 +
                 QStringLiteral("Expキャプチャ領域(2)、開始座標とサイズ");
        l << QStringLiteral("    103 ,     68 ,     76 ,      9 ") + c1 +
                 QStringLiteral("Moneyキャプチャ領域(3)、開始座標とサイズ");
        l << QStringLiteral("    132 ,     68 ") + c10 +
                 QStringLiteral("Exp拡張キャプチャ領域(4)、開始座標");
        l << QStringLiteral("    103 ,     83 ") + c10 +
                 QStringLiteral("Moneyキャプチャ領域(5)、開始座標");
    } else {
        l << QStringLiteral("     48 ,     26 ,     27 ,     11 ") + c1 +
                 QStringLiteral("Lvキャプチャ領域(1)、開始座標とサイズ");
        l << QStringLiteral("    135 ,     76 ,     39 ,      9 ") + c1 +
                 QStringLiteral("Expキャプチャ領域(2)、開始座標とサイズ");
        l << QStringLiteral("    106 ,     90 ,     76 ,      9 ") + c1 +
                 QStringLiteral("Moneyキャプチャ領域(3)、開始座標とサイズ");
        l << QStringLiteral("    135 ,     90 ") + c10 +
                 QStringLiteral("Exp拡張キャプチャ領域(4)、開始座標");
        l << QStringLiteral("    106 ,    105 ") + c10 +
                 QStringLiteral("Moneyキャプチャ領域(5)、開始座標");
    }
    l << QStringLiteral("   True ") + c19 + QStringLiteral("自動開始フラグ");
    l << QStringLiteral("      6 ") + c19 + QStringLiteral("キャプチャインターバル(分)");
    l << QStringLiteral("  False ") + c19 + QStringLiteral("キャプチャ時に音を鳴らす");
    l << programFolder + QStringLiteral(" , 給与明細 , 時給ファイル保存場所");
    l << QStringLiteral("  False ") + c19 + QStringLiteral("時給ファイルをCSVで保存する");
    l << QStringLiteral("   True ") + c19 + QStringLiteral("時給記録ファイルを一ヶ月追記する");
    l << QStringLiteral("      0 ") + c19 + QStringLiteral("ラグキャンセル時間(ｍ秒)");
    l << QStringLiteral("     15 ") + c19 +
             QStringLiteral("起動時にメイプルストーリ起動確認遅延時間(秒)");
    for (int k = 1; k <= 2; ++k) {
        l << QStringLiteral("  False ,  ,") + QString(16, QLatin1Char(' ')) +
                 QStringLiteral("アプリケーション%1を自動起動させるかと、そのファイルパス").arg(k);
    }
    l << QStringLiteral("     15 ") + c19 +
             QStringLiteral("アプリケーション2を自動起動させる遅延時間(秒)");
    l << QStringLiteral("  False ,   1000 ") + c10 +
             QStringLiteral("撮影チェックを実行するかどうかと、撮影チェックインターバル(m秒)");
    l << QStringLiteral("   .png ") + c19 + QStringLiteral("画像ファイルの保存拡張子");
    l << QStringLiteral("  False ,    500 ") + c10 +
             QStringLiteral(
                 "マウスボタンジェスチャを監視するかどうかと、ジェスチャ入力待ち時間(m秒)");
    l << QStringLiteral("   True ,     20 ,     10 ") + c1 +
             QStringLiteral(
                 "グラフを表示するかどうかと、グラフ時間軸データ数、グラフの平均化データ数");
    l << QStringLiteral("  False ") + c19 + QStringLiteral("ウィンドウ位置を記憶する");
    l << QStringLiteral("      0 ,      0 ,      0 ,      0 ") + c1 +
             QStringLiteral("ウィンドウ位置の開始座標とサイズ");
    l << QStringLiteral("  False ") + c19 + QStringLiteral("マルチディスプレイに対応する");
    l << QStringLiteral("      0 ,      0 ") + c10 +
             QStringLiteral("ディスプレイのオフセットサイズ");

    const QStringList lvWindows7 = {
        "01FC0202020201FC0000", "0000000403FE00000000", "030C02820242023C0000",
        "018C0222022201DC0000", "00E0009C03FE00800000", "01BE0212021201E20000",
        "01FC0212021201E40000", "000203820072000E0000", "01DC0222022201DC0000",
        "013C0242024201FC0000", "00000200000000000000"};
    const QStringList lvStandard = {
        "01FC02020202020201FC", "00000004000403FE0000", "030C028202420222021C",
        "018C02020222022201DC", "00C000B0008C03FE0080", "01BE02120212021201E2",
        "01F802140212021201E4", "0002000203820072000E", "01DC02220222022201DC",
        "013C02420242014200FC", "00000200000000000000"};
    const QStringList digits = {"0183017D017D017D0183", "017B017B0101017F017F",
                                "011B016D016D016D0173", "01BB016D016D016D0193",
                                "01C701DB01DD010101DF", "01B1017501750175018D",
                                "0183016D016D016D019B", "01F901FD013D01CD01F1",
                                "0193016D016D016D0193", "01B3016D016D016D0183"};
    const QStringList exp = digits + QStringList{"01B301D301EF0197019B"};
    const QStringList money = digits + QStringList{"01070107015701570157"};
    const QStringList* patterns[3] = {windows7 ? &lvWindows7 : &lvStandard, &exp, &money};
    const char* thresholds[3] = {"    173 ,     -1 ", "    127 ,     -1 ", "    186 ,     -1 "};
    const char* sizes[3] = {"      5 ,     11 ", "      5 ,      9 ", "      5 ,      9 "};
    const QString patternComment = QStringLiteral("  ,     基準パターン画像変換文字列");
    for (int r = 0; r < 3; ++r) {
        l << QString::fromLatin1(thresholds[r]) + c10 +
                 QStringLiteral("画像２値化境界値とマスク値%1").arg(r + 1);
        l << QString::fromLatin1(sizes[r]) + c10 + QStringLiteral("基準画像サイズ");
        for (int g = 0; g < 11; ++g) {
            l << (*patterns[r])[g] + patternComment + QString::number(r + 1) +
                     (g < 10 ? QStringLiteral("0") : QString()) + QString::number(g);
        }
    }
    l << QStringLiteral("LaTale Client     , 検索ウィンドウ名");
    l << QString();
    return l;
}

}  // namespace bm::test
