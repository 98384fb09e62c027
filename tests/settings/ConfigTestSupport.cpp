#include "settings/ConfigTestSupport.h"

#include "app/Cp932.h"
#include "settings/SettingsDefaults.h"

namespace bm::test {

ConfigFixture::ConfigFixture() {
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
    TempFolder::writeBytes(path, encodeLines(lines));
}

bool ConfigFixture::logged(const QString& part) const {
    return logMessages().join(QLatin1Char('\n')).contains(part);
}

QByteArray encodeLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    return cp932::encode(text);
}

namespace {

// Window mode, standard level glyphs; %1 is the program folder.
const char* const WindowModeFile = R"(Brindlemark  for  Latale    Ver.2.30b0
     48 ,     26 ,     27 ,     11 , Lvキャプチャ領域(1)、開始座標とサイズ
    135 ,     76 ,     39 ,      9 , Expキャプチャ領域(2)、開始座標とサイズ
    106 ,     90 ,     76 ,      9 , Moneyキャプチャ領域(3)、開始座標とサイズ
    135 ,     90 ,          Exp拡張キャプチャ領域(4)、開始座標
    106 ,    105 ,          Moneyキャプチャ領域(5)、開始座標
   True ,                   自動開始フラグ
      6 ,                   キャプチャインターバル(分)
  False ,                   キャプチャ時に音を鳴らす
%1 , 給与明細 , 時給ファイル保存場所
  False ,                   時給ファイルをCSVで保存する
   True ,                   時給記録ファイルを一ヶ月追記する
      0 ,                   ラグキャンセル時間(ｍ秒)
     15 ,                   起動時にメイプルストーリ起動確認遅延時間(秒)
  False ,  ,                アプリケーション1を自動起動させるかと、そのファイルパス
  False ,  ,                アプリケーション2を自動起動させるかと、そのファイルパス
     15 ,                   アプリケーション2を自動起動させる遅延時間(秒)
  False ,   1000 ,          撮影チェックを実行するかどうかと、撮影チェックインターバル(m秒)
   .png ,                   画像ファイルの保存拡張子
  False ,    500 ,          マウスボタンジェスチャを監視するかどうかと、ジェスチャ入力待ち時間(m秒)
   True ,     20 ,     10 , グラフを表示するかどうかと、グラフ時間軸データ数、グラフの平均化データ数
  False ,                   ウィンドウ位置を記憶する
      0 ,      0 ,      0 ,      0 , ウィンドウ位置の開始座標とサイズ
  False ,                   マルチディスプレイに対応する
      0 ,      0 ,          ディスプレイのオフセットサイズ
    173 ,     -1 ,          画像２値化境界値とマスク値1
      5 ,     11 ,          基準画像サイズ
01FC02020202020201FC  ,     基準パターン画像変換文字列100
00000004000403FE0000  ,     基準パターン画像変換文字列101
030C028202420222021C  ,     基準パターン画像変換文字列102
018C02020222022201DC  ,     基準パターン画像変換文字列103
00C000B0008C03FE0080  ,     基準パターン画像変換文字列104
01BE02120212021201E2  ,     基準パターン画像変換文字列105
01F802140212021201E4  ,     基準パターン画像変換文字列106
0002000203820072000E  ,     基準パターン画像変換文字列107
01DC02220222022201DC  ,     基準パターン画像変換文字列108
013C02420242014200FC  ,     基準パターン画像変換文字列109
00000200000000000000  ,     基準パターン画像変換文字列110
    127 ,     -1 ,          画像２値化境界値とマスク値2
      5 ,      9 ,          基準画像サイズ
0183017D017D017D0183  ,     基準パターン画像変換文字列200
017B017B0101017F017F  ,     基準パターン画像変換文字列201
011B016D016D016D0173  ,     基準パターン画像変換文字列202
01BB016D016D016D0193  ,     基準パターン画像変換文字列203
01C701DB01DD010101DF  ,     基準パターン画像変換文字列204
01B1017501750175018D  ,     基準パターン画像変換文字列205
0183016D016D016D019B  ,     基準パターン画像変換文字列206
01F901FD013D01CD01F1  ,     基準パターン画像変換文字列207
0193016D016D016D0193  ,     基準パターン画像変換文字列208
01B3016D016D016D0183  ,     基準パターン画像変換文字列209
01B301D301EF0197019B  ,     基準パターン画像変換文字列210
    186 ,     -1 ,          画像２値化境界値とマスク値3
      5 ,      9 ,          基準画像サイズ
01070107015701570157  ,     基準パターン画像変換文字列310
LaTale Client     , 検索ウィンドウ名
)";

// Full screen: the regions start 3 pixels left of and 22 above the window-mode ones.
const char* const FullScreenRegions[5] = {"     45 ,      4 ,", "    132 ,     54 ,",
                                          "    103 ,     68 ,", "    132 ,     68 ,",
                                          "    103 ,     83 ,"};
const char* const Windows7Lv[11] = {
    "01FC0202020201FC0000", "0000000403FE00000000", "030C02820242023C0000", "018C0222022201DC0000",
    "00E0009C03FE00800000", "01BE0212021201E20000", "01FC0212021201E40000", "000203820072000E0000",
    "01DC0222022201DC0000", "013C0242024201FC0000", "00000200000000000000"};

}  // namespace

QStringList expectedDefaultLines(const QString& programFolder, bool fullScreen, bool windows7) {
    QStringList l = QString::fromUtf8(WindowModeFile).arg(programFolder).split(QLatin1Char('\n'));
    // The money digits (lines 54-63) are the Exp ones.
    for (int g = 0; g < 10; ++g) {
        l.insert(53 + g, l[40 + g].chopped(3) + QString::number(300 + g));
    }
    for (int i = 0; fullScreen && i < 5; ++i) {
        l[1 + i] = QString::fromLatin1(FullScreenRegions[i]) + l[1 + i].mid(18);
    }
    for (int g = 0; windows7 && g < 11; ++g) {
        l[27 + g] = QString::fromLatin1(Windows7Lv[g]) + l[27 + g].mid(20);
    }
    return l;
}

}  // namespace bm::test
