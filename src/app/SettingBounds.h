#pragma once

#include <cstdint>

namespace bm {

// Bounds, step and prompt of a numeric setting as the options dialog
// offers it through the numeric input dialog. Values read from the settings
// file are brought inside the same bounds when they are loaded
// (BoundSettings.h).
struct NumericSetting {
    std::int32_t min;
    std::int32_t max;
    std::int32_t step;
    const char* prompt;  // UTF-8; "\r\n" is a line break in the prompt
};

namespace bounds {

inline constexpr NumericSetting CaptureX{0, 800, 1, "キャプチャー始点X値を入力してください"};
inline constexpr NumericSetting CaptureY{0, 1000, 1, "キャプチャー始点Y値を入力してください"};
inline constexpr NumericSetting CaptureWidth{4, 200, 1, "キャプチャーサイズX値を入力してください"};
inline constexpr NumericSetting CaptureHeight{4, 100, 1, "キャプチャーサイズY値を入力してください"};
inline constexpr NumericSetting CaptureInterval{1, 1440, 5, "キャプチャー周期を入力してください"};
inline constexpr NumericSetting StartDelay{
    0, 300, 5, "起動時にメイプルストーリの起動を\r\n確認するまでの遅延時間を入力してください"};
inline constexpr NumericSetting LagCancelTime{0, 100, 10, "ラグ回避時間を入力してください"};
inline constexpr NumericSetting AutoRun2Delay{
    0, 300, 5, "自動起動2のアプリケーションの起動を\r\n遅らせる時間を入力してください"};
inline constexpr NumericSetting ShotCheckInterval{100, 2000, 100,
                                                  "撮影チェックを実行する周期を入力してください"};
inline constexpr NumericSetting GestureWaitTime{100, 1000, 50,
                                                "マウスジェスチャの入力受付時間を入力してください"};
inline constexpr NumericSetting GraphPoints{10, 250, 10,
                                            "グラフの時間軸のデータ個数を入力してください"};
inline constexpr NumericSetting GraphAverageCount{
    2, 20, 1, "グラフの平均化するデータの個数を入力してください"};
inline constexpr NumericSetting DisplayOffsetX{-2048, 2048, 8,
                                               "認識領域オフセットのサイズX値を入力してください"};
inline constexpr NumericSetting DisplayOffsetY{-2048, 2048, 8,
                                               "認識領域オフセットのサイズY値を入力してください"};
inline constexpr NumericSetting WindowLeft{-2048, 4096, 8,
                                           "起動時のウィンドウ始点X値を入力してください"};
inline constexpr NumericSetting WindowTop{-2048, 4096, 8,
                                          "起動時のウィンドウ始点Y値を入力してください"};
inline constexpr NumericSetting WindowWidth{710, 2048, 8,
                                            "起動時のウィンドウサイズX値を入力してください"};
inline constexpr NumericSetting WindowHeight{300, 2048, 8,
                                             "起動時のウィンドウサイズY値を入力してください"};

}  // namespace bounds
}  // namespace bm
