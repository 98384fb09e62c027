#pragma once

#include <QString>
#include <functional>

#include "platform/Platform.h"

namespace bm::test {

// How long a test waits for the stand-in, another process, to show what it
// was told: its pixels reach the screen a moment after it reports a command.
inline constexpr int PollMs = 5000;

// Polls until `condition` holds; false when it still fails after timeoutMs.
bool eventually(const std::function<bool()>& condition, int timeoutMs = PollMs);

// The top-level window titled `title` once it has appeared; 0 when it did
// not appear in time.
WindowId waitForWindow(Platform& platform, const QString& title);

// True when the test runs under a window manager (BM_TEST_WM, set by
// with-xvfb.sh, is not "none").
bool windowManagerRuns();

}  // namespace bm::test
