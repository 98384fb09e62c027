#include "util/PopupAnswers.h"

#include <optional>
#include <span>

namespace bm {

namespace {

// Frame texts of the little animations. Their leading and trailing blanks
// (several of them ideographic spaces, written as \u3000) belong to them:
// they keep the figures in place in the centred label.
// clang-format off
const QString kAnimationA[] = {
    QStringLiteral(" 壁|\u3000\u3000                    "),
    QStringLiteral(" 壁|ーﾟ)                    "),
    QStringLiteral(" 壁|彡ｻｯ!                   "),
};
const QString kAnimationB[] = {
    QStringLiteral(" (´・ω・`)ｼｮﾎﾞｰﾝ                        "),
    QStringLiteral(" (´・ω・`)                              "),
    QStringLiteral(" (´・ω:;.:...                           "),
    QStringLiteral(" (´:;....::;.:. :::;.. ...               "),
    QStringLiteral("         .. ...;.:.  .. ...               "),
    QStringLiteral("               ...\u3000....:::::;.・´)      "),
    QStringLiteral("                      ....:::ω・´)      "),
    QStringLiteral("                         (`・ω・´)      "),
    QStringLiteral("                         (`・ω・´)ｼｬｷｰﾝ "),
};
const QString kAnimationC[] = {
    QStringLiteral("ヾ(^-^)ゞﾀﾗﾗ "),
    QStringLiteral("ヾ(._.)〃ﾙﾝﾀﾀ"),
    QStringLiteral("ヾ(^o^)ゞﾀﾗﾗﾝ"),
    QStringLiteral("ヾ(._.)〃ﾗﾝ  "),
};
const QString kAnimationD[] = {
    QStringLiteral(" φ(°ー°)ﾎｫﾎｫ\u3000   "),
    QStringLiteral(" φ(。＿。)ﾒﾓﾒﾓ\u3000   "),
    QStringLiteral(" φ(°－°)ﾌﾑﾌﾑ\u3000   "),
    QStringLiteral(" φ(。＿。)ｶｷｶｷ\u3000   "),
    QStringLiteral(" φ(°へ°)ﾌﾑﾌﾑ\u3000   "),
    QStringLiteral(" □(。＿。)ｹｼｹｼｹｼｹｼ "),
};
const QString kAnimationE[] = {
    QStringLiteral(" (´∀｀  )\u3000                         "),
    QStringLiteral(" (´∀｀| )\u3000                         "),
    QStringLiteral(" (´∀｀||)\u3000                         "),
    QStringLiteral(" (´∀｀|・|)\u3000ｿｰ                     "),
    QStringLiteral(" (´∀｀|Д・)っ|)                    "),
    QStringLiteral(" (´∀｀|Д・)っ|)＜中の人などいない！"),
    QStringLiteral(" (´∀｀||)三\u3000ﾋﾟｼｬ!                  "),
    QStringLiteral(" (´∀｀  )\u3000                         "),
};
const QString kAnimationG[] = {
    QStringLiteral(" (\u3000´_ゝ｀)ｸｯｸｯｸ･･･  "),
    QStringLiteral(" (\u3000´ ∀｀)ﾌﾊﾊﾊﾊ･･･\u3000  "),
    QStringLiteral(" (\u3000゜ ∀゜)ﾊｧｰﾊｯﾊｯﾊｯﾊ!! "),
};
const QString kAnimationH[] = {
    QStringLiteral(" m9(^Д^)  \u3000\u3000\u3000\u3000       \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 "),
    QStringLiteral(" m9(^Д^)ﾌﾟｷﾞｬｰ!  \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 "),
    QStringLiteral(" ⊂｀⌒m9^Д^)⊃ﾌﾟｷﾞｬｰ!!  \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 "),
    QStringLiteral(" ﾌﾟｷﾞｬ━⊂｀⌒m9^Д^)⊃━!!!   \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"),
    QStringLiteral(" ﾌﾟｷﾞｬ━━≡≡≡⊂｀⌒m9^Д^)⊃━━ !!!!   \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"),
    QStringLiteral(" ﾌﾟｷﾞｬ━━━━≡≡≡≡⊂｀⌒m9^Д^)⊃━━━━ !!!!!   \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 "),
    QStringLiteral(" ﾌﾟｷﾞｬ━━━━━━━≡≡≡≡≡⊂｀⌒m9^Д^)⊃━━ !!!!!!   \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"),
    QStringLiteral(" \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000Σ(ﾟ∀´(┗┐ヽ(・∀・ )ﾉﾌﾟｷﾞｬﾌﾟｷﾞｬｳﾙｾｰ!! "),
};
const QString kAnimationHFastSixth = QStringLiteral(" ﾌﾟｷﾞｬ━━━━━━━≡≡≡≡≡⊂｀⌒m9^Д^)⊃━ !!!!!!   \u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000");

const QString kFormatStart = QStringLiteral("ハードディスクフォーマット") + QStringLiteral("\r\n") + QStringLiteral("始めるよ！");
const QString kFormatFrames[] = {
    kFormatStart,
    QStringLiteral("Ｂドライブフォーマット開始・・・"),
    QStringLiteral("え、Ｂドライブなんて無い？"),
    QStringLiteral("Σ(ﾟдﾟlll)ｶﾞｰﾝ"),
};
// clang-format on

// Waits after each frame but the last, at normal speed and in the fast replay.
constexpr int kWaitsA[] = {2000, 2000};
constexpr int kWaitsAFast[] = {1000, 1000};
constexpr int kWaitsB[] = {2000, 1000, 1000, 1000, 1000, 1000, 1000, 1000};
constexpr int kWaitsBFast[] = {1000, 500, 500, 500, 500, 500, 500, 500};
constexpr int kWaitsC[] = {1000, 1000, 1000};
constexpr int kWaitsCFast[] = {500, 500, 500};
constexpr int kWaitsD[] = {1000, 1000, 1000, 1000, 1000};
constexpr int kWaitsDFast[] = {500, 500, 500, 500, 500};
constexpr int kWaitsE[] = {2000, 1000, 1000, 2000, 1000, 1000, 1000};
constexpr int kWaitsEFast[] = {1000, 500, 500, 1000, 500, 500, 500};
constexpr int kWaitsG[] = {2000, 2000};
constexpr int kWaitsGFast[] = {1000, 1000};
constexpr int kWaitsH[] = {500, 1000, 1000, 1000, 1000, 1000, 1000};
constexpr int kWaitsHFast[] = {250, 500, 500, 500, 500, 500};
constexpr int kWaitsFormat[] = {2000, 2000, 2000};

std::vector<PopupFrame> animation(std::span<const QString> texts, std::span<const int> waits) {
    std::vector<PopupFrame> frames;
    frames.reserve(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        frames.push_back({texts[i], i < waits.size() ? waits[i] : 0});
    }
    return frames;
}

std::vector<PopupFrame> single(const QString& text) {
    return {{text, 0}};
}

// The fast replay of H drops its first frame and shows a shorter beam in
// its sixth.
std::vector<PopupFrame> fastH() {
    const QString texts[] = {kAnimationH[1], kAnimationH[2],       kAnimationH[3], kAnimationH[4],
                             kAnimationH[5], kAnimationHFastSixth, kAnimationH[7]};
    return animation(texts, kWaitsHFast);
}

// The one-line answers of the first tries and of the late ones; nothing
// for the tries that play an animation or fall through to the end.
std::optional<QString> textAnswer(int attempt, const QString& searchWindowName) {
    switch (attempt) {
        case 1:
        case 8:
        case 9:
            return QStringLiteral("閉じないでください。");
        case 2:
        case 3:
            return searchWindowName + QStringLiteral("を起動すれば勝手に閉じますよ");
        case 4:
        case 5:
            return QStringLiteral("それともロギング終了しても閉じますけど");
        case 6:
        case 7:
            return QStringLiteral("いっそのことBrindlemarckを閉じるとか？");
        case 10:
        case 11:
            return QStringLiteral("ちょｗおまっｗｗしつけーってｗｗｗ");
        case 12:
        case 13:
            return QStringLiteral("いい加減にしろやｗ");
        case 14:
        case 15:
            return QStringLiteral("・・・");
        case 16:
            return QStringLiteral("あんたも大概しつこいね。");
        case 17:
            return QStringLiteral("ｳｿﾃﾞｽ");
        case 18:
            return QStringLiteral("その代わり・・・");
        case 59:
            return QStringLiteral("ここからはさきほどの内容を早送りでお送りします");
        case 95:
        case 100:
        case 105:
            return QStringLiteral("暇ですか？");
        case 110:
            return QStringLiteral("ちょｗどんだけ暇ですかっ！？");
        default:
            return std::nullopt;
    }
}

// The animations and two-frame answers; empty for every other try.
std::vector<PopupFrame> animationAnswer(int attempt) {
    switch (attempt) {
        case 19:
            return animation(kFormatFrames, kWaitsFormat);
        case 20:
            return {{QStringLiteral("ただの冗談だよっ"), 2000}, {QStringLiteral("安心汁！"), 0}};
        case 25:
            return animation(kAnimationA, kWaitsA);
        case 30:
            return animation(kAnimationB, kWaitsB);
        case 35:
            return animation(kAnimationC, kWaitsC);
        case 40:
            return animation(kAnimationD, kWaitsD);
        case 45:
            return animation(kAnimationE, kWaitsE);
        case 50:
            return animation(kAnimationG, kWaitsG);
        case 55:
            return animation(kAnimationH, kWaitsH);
        case 60:
            return animation(kAnimationA, kWaitsAFast);
        case 65:
            return animation(kAnimationB, kWaitsBFast);
        case 70:
            return animation(kAnimationC, kWaitsCFast);
        case 75:
            return animation(kAnimationD, kWaitsDFast);
        case 80:
            return animation(kAnimationE, kWaitsEFast);
        case 85:
            return animation(kAnimationG, kWaitsGFast);
        case 90:
            return fastH();
        default:
            return {};
    }
}

}  // namespace

std::vector<PopupFrame> PopupAnswer(int attempt, const QString& searchWindowName) {
    if (const std::optional<QString> text = textAnswer(attempt, searchWindowName)) {
        return single(*text);
    }
    if (std::vector<PopupFrame> frames = animationAnswer(attempt); !frames.empty()) {
        return frames;
    }
    if (attempt >= 200) {
        return single(QStringLiteral(" っ 「キング・オブ・ひまじん」"));
    }
    if (attempt >= 111) {
        return single(QStringLiteral("まじでおしまい"));
    }
    return single(QStringLiteral("おしまい"));
}

}  // namespace bm
