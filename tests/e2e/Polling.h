#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QThread>
#include <functional>

#include "platform/Platform.h"

namespace bm::test {

// How long a test waits for the stand-in, another process, to show what it
// was told: its pixels reach the screen a moment after it reports a command.
inline constexpr int PollMs = 5000;

// Polls until `condition` holds; false when it still fails after timeoutMs.
inline bool eventually(const std::function<bool()>& condition, int timeoutMs = PollMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

// The top-level window titled `title` once it has appeared; 0 when it did
// not appear in time.
inline WindowId waitForWindow(Platform& platform, const QString& title) {
    WindowId id = 0;
    eventually([&]() { return (id = platform.findWindowByTitle(title)) != 0; });
    return id;
}

// True when the test runs under a window manager (BM_TEST_WM, set by
// with-xvfb.sh, is not "none").
inline bool windowManagerRuns() {
    return qEnvironmentVariable("BM_TEST_WM", QStringLiteral("none")) != QLatin1String("none");
}

}  // namespace bm::test
