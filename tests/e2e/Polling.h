#pragma once

#include <QDeadlineTimer>
#include <QThread>
#include <functional>

namespace bm::test {

// Polls until `condition` holds; false when it still fails after timeoutMs
// (by default long enough for the stand-in, another process, to show what
// it was told).
inline bool eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

}  // namespace bm::test
