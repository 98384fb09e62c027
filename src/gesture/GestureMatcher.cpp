#include "gesture/GestureMatcher.h"

#include <QStringList>

#include "app/RunState.h"

namespace bm {

namespace {

constexpr qsizetype MaxSequence = 20;
constexpr qsizetype MinSequence = 16;

struct TextRow {
    const char* text;
    GestureAction action;
};

// Rows tested in this order; the first text found anywhere in the sequence wins.
constexpr std::array<TextRow, 5> TextRows = {{
    {"LdLuRdRuLdLuLdLu", GestureAction::Suspend},
    {"LdLuRdRuLdLuRdRu", GestureAction::Resume},
    {"RdRuLdLuLdLuLdLu", GestureAction::WatchOn},
    {"RdRuLdLuLdLuRdRu", GestureAction::WatchOff},
    {"RdRuRdRuRdRuRdRu", GestureAction::CaptureNow},
}};

// Both buttons pressed together (in either order) and released together.
constexpr std::array<const char*, 4> BothDown = {"LdRdLuRu", "RdLdLuRu", "LdRdRuLu", "RdLdRuLu"};
constexpr std::array<const char*, 4> BothUp = {"LuRuLdRd", "RuLuLdRd", "LuRuRdLd", "RuLuRdLd"};

bool containsAny(const QString& sequence, const std::array<const char*, 4>& texts) {
    for (const char* t : texts) {
        if (sequence.contains(QLatin1String(t))) {
            return true;
        }
    }
    return false;
}

std::optional<GestureAction> match(const QString& sequence) {
    for (const TextRow& row : TextRows) {
        if (sequence.contains(QLatin1String(row.text))) {
            return row.action;
        }
    }
    if (containsAny(sequence, BothDown) && containsAny(sequence, BothUp)) {
        return GestureAction::PrintScreen;
    }
    return std::nullopt;
}

}  // namespace

const GestureRow& gestureRow(GestureAction action) {
    static const std::array<GestureRow, 6> rows = {{
        {GestureAction::Suspend, {1, 2, 1, 1}, "マウスジェスチャ：時給測定一時停止"},
        {GestureAction::Resume, {1, 2, 1, 2}, "マウスジェスチャ：時給測定一時停止 解除"},
        {GestureAction::WatchOn, {2, 1, 1, 1}, "マウスジェスチャ：自動撮影 監視開始"},
        {GestureAction::WatchOff, {2, 1, 1, 2}, "マウスジェスチャ：自動撮影 監視終了"},
        {GestureAction::CaptureNow, {2, 2, 2, 2}, "マウスジェスチャ：時給サイクルタイマリセット"},
        {GestureAction::PrintScreen, {3, 3, 0, 0}, "マウスジェスチャ：プリントスクリーン"},
    }};
    return rows[static_cast<size_t>(action)];
}

QString gestureToken(MouseButton button, bool pressed) {
    switch (button) {
        case MouseButton::Left:
            return pressed ? QStringLiteral("Ld") : QStringLiteral("Lu");
        case MouseButton::Right:
            return pressed ? QStringLiteral("Rd") : QStringLiteral("Ru");
        case MouseButton::Other:
            break;
    }
    return {};
}

std::optional<GestureAction> FeedGesture(RunState& run, int gestureWaitTimeMs,
                                         const QString& tokens, double nowMs, double afterMs) {
    if (tokens.isEmpty()) {
        return std::nullopt;
    }
    if (nowMs < run.GestureLastTime + gestureWaitTimeMs) {
        run.GestureSequence = (run.GestureSequence + tokens).right(MaxSequence);
    } else {
        run.GestureSequence = tokens;
    }
    run.GestureLastTime = afterMs;
    if (run.GestureSequence.size() < MinSequence) {
        return std::nullopt;
    }
    const std::optional<GestureAction> action = match(run.GestureSequence);
    if (action) {
        run.GestureSequence.clear();
    }
    return action;
}

}  // namespace bm
