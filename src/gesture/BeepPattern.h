#pragma once

namespace bm {

struct AppContext;

// Plays up to four groups of beeps, 500 ms apart, when beeping is on: a
// group of 1 is one beep, 2 two beeps 50 ms apart, 3 or more two beeps
// 100 ms apart. The first group that is 0 ends the rhythm; nothing sounds
// when g1 is 0. The waits keep the program responsive.
void BeepPattern(AppContext& ctx, int g1, int g2, int g3, int g4);

}  // namespace bm
