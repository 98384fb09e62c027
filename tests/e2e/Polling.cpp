#include "Polling.h"

#include <QDeadlineTimer>
#include <QThread>

namespace bm::test {

bool eventually(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

WindowId waitForWindow(Platform& platform, const QString& title) {
    WindowId id = 0;
    eventually([&]() { return (id = platform.findWindowByTitle(title)) != 0; });
    return id;
}

bool windowManagerRuns() {
    return qEnvironmentVariable("BM_TEST_WM", QStringLiteral("none")) != QLatin1String("none");
}

}  // namespace bm::test
