#pragma once

#include <QString>
#include <vector>

namespace bm {

// One text the popup shows while it answers a close attempt, and how long it
// stays before the next one (0 for the last frame: the closing pause of the
// answer follows it).
struct PopupFrame {
    QString text;
    int waitMs = 0;

    bool operator==(const PopupFrame&) const = default;
};

// Pause after the last frame of every answer before the popup shows its own
// message again.
inline constexpr int kPopupAnswerPauseMs = 1000;

// What the popup shows for the `attempt`-th refused close (1 for the first).
// The game window's title appears in the answer to the second and third.
std::vector<PopupFrame> PopupAnswer(int attempt, const QString& searchWindowName);

}  // namespace bm
