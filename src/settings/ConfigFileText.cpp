#include "settings/ConfigFileText.h"

#include "records/OutputFormat.h"
#include "util/clsStringBuffer.h"

namespace bm {

namespace {

// The fixed comments. The blanks inside them line the comments up in a
// fixed-pitch font and are part of the file format.
const QString RegionComments[RegionCount] = {
    QStringLiteral(", Lvキャプチャ領域(1)、開始座標とサイズ"),
    QStringLiteral(", Expキャプチャ領域(2)、開始座標とサイズ"),
    QStringLiteral(", Moneyキャプチャ領域(3)、開始座標とサイズ"),
    QStringLiteral(",          Exp拡張キャプチャ領域(4)、開始座標"),
    QStringLiteral(",          Moneyキャプチャ領域(5)、開始座標"),
};
const QString AutoStartComment = QStringLiteral(",                   自動開始フラグ");
const QString IntervalComment = QStringLiteral(",                   キャプチャインターバル(分)");
const QString BeepComment = QStringLiteral(",                   キャプチャ時に音を鳴らす");
const QString RecordFolderComment = QStringLiteral(" , 時給ファイル保存場所");
const QString CsvComment = QStringLiteral(",                   時給ファイルをCSVで保存する");
const QString MonthlyComment =
    QStringLiteral(",                   時給記録ファイルを一ヶ月追記する");
const QString LagComment = QStringLiteral(",                   ラグキャンセル時間(ｍ秒)");
const QString StartDelayComment =
    QStringLiteral(",                   起動時にメイプルストーリ起動確認遅延時間(秒)");
const QString AutoRunComments[2] = {
    QStringLiteral(" ,                アプリケーション1を自動起動させるかと、そのファイルパス"),
    QStringLiteral(" ,                アプリケーション2を自動起動させるかと、そのファイルパス"),
};
const QString AutoRun2DelayComment =
    QStringLiteral(",                   アプリケーション2を自動起動させる遅延時間(秒)");
const QString ShotCheckComment =
    QStringLiteral(",          撮影チェックを実行するかどうかと、撮影チェックインターバル(m秒)");
const QString ExtensionComment = QStringLiteral(",                   画像ファイルの保存拡張子");
const QString GestureComment = QStringLiteral(
    ",          マウスボタンジェスチャを監視するかどうかと、ジェスチャ入力待ち時間(m秒)");
const QString GraphComment =
    QStringLiteral(", グラフを表示するかどうかと、グラフ時間軸データ数、グラフの平均化データ数");
const QString RememberComment = QStringLiteral(",                   ウィンドウ位置を記憶する");
const QString WindowRectComment = QStringLiteral(", ウィンドウ位置の開始座標とサイズ");
const QString MultiDisplayComment =
    QStringLiteral(",                   マルチディスプレイに対応する");
const QString OffsetComment = QStringLiteral(",          ディスプレイのオフセットサイズ");
const QString ThresholdComment = QStringLiteral(",          画像２値化境界値とマスク値");
const QString PatternSizeComment = QStringLiteral(",          基準画像サイズ");
const QString PatternComment = QStringLiteral("  ,     基準パターン画像変換文字列");
const QString WindowNameComment = QStringLiteral("     , 検索ウィンドウ名");

// The value column: one blank, the value right-aligned in six places, one
// blank; longer values are written whole.
template <typename T>
QString V(const T& value) {
    return FormatColumn(value, 8, 1, 0, true);
}

// Values joined by commas, then the comment.
template <typename... T>
QString valueLine(const QString& comment, const T&... values) {
    QString line;
    ((line += (line.isEmpty() ? QString() : QStringLiteral(",")) + V(values)), ...);
    return line + comment;
}

}  // namespace

QString ConfigFileText(const Settings& s) {
    clsStringBuffer text;
    text.AppendLF(s.ProgramTitle);
    for (int i = 0; i < 3; ++i) {
        const auto& r = s.CaptureRect[i];
        text.AppendLF(valueLine(RegionComments[i], r.X, r.Y, r.Width, r.Height));
    }
    for (int i = 3; i < RegionCount; ++i) {
        text.AppendLF(valueLine(RegionComments[i], s.CaptureRect[i].X, s.CaptureRect[i].Y));
    }
    text.AppendLF(valueLine(AutoStartComment, s.AutoStart));
    text.AppendLF(valueLine(IntervalComment, s.CaptureInterval));
    text.AppendLF(valueLine(BeepComment, s.BeepOnCapture));
    text.AppendLF(s.PayRecordFolder + QStringLiteral(" , ") + s.PayRecordPrefix +
                  RecordFolderComment);
    text.AppendLF(valueLine(CsvComment, s.PayRecordCsv));
    text.AppendLF(valueLine(MonthlyComment, s.PayRecordMonthly));
    text.AppendLF(valueLine(LagComment, s.LagCancelTime));
    text.AppendLF(valueLine(StartDelayComment, s.StartDelay));
    for (int k = 0; k < 2; ++k) {
        text.AppendLF(V(s.AutoRunEnabled[k]) + QStringLiteral(", ") + s.AutoRunPath[k] +
                      AutoRunComments[k]);
    }
    text.AppendLF(valueLine(AutoRun2DelayComment, s.AutoRun2Delay));
    text.AppendLF(valueLine(ShotCheckComment, s.ShotCheckEnabled, s.ShotCheckInterval));
    text.AppendLF(valueLine(ExtensionComment, s.ImageExtension));
    text.AppendLF(valueLine(GestureComment, s.GestureEnabled, s.GestureWaitTime));
    text.AppendLF(valueLine(GraphComment, s.GraphShow, s.GraphPoints, s.GraphAverageCount));
    text.AppendLF(valueLine(RememberComment, s.RememberWindowPos));
    text.AppendLF(
        valueLine(WindowRectComment, s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight));
    text.AppendLF(valueLine(MultiDisplayComment, s.MultiDisplay));
    text.AppendLF(valueLine(OffsetComment, s.DisplayOffsetX, s.DisplayOffsetY));
    for (int r = 0; r < ReadingCount; ++r) {
        const QString reading = QString::number(r + 1);
        text.AppendLF(
            valueLine(ThresholdComment + reading, s.BinarizeThreshold[r], s.BinarizeMask[r]));
        text.AppendLF(valueLine(PatternSizeComment, s.PatternSize[0][r], s.PatternSize[1][r]));
        for (int g = 0; g < GlyphCount; ++g) {
            text.AppendLF(s.Patterns[r][g] + PatternComment + reading +
                          QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0')));
        }
    }
    text.AppendLF(s.SearchWindowName + WindowNameComment);
    return text.Text();
}

}  // namespace bm
