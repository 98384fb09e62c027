#include "shell/InstanceLock.h"

#include <unistd.h>
#include <QDir>
#include <QStandardPaths>

#include "util/Prompt.h"

namespace bm {

namespace {

const QString lockName = QStringLiteral("brindlemark.lock");

}  // namespace

InstanceLock::InstanceLock() : InstanceLock(defaultLockPath()) {}

InstanceLock::InstanceLock(const QString& lockPath) : path_(lockPath), lock_(lockPath) {
    // A lock is stale only when its process has ended, never by age.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::tryLock() {
    return lock_.isLocked() || lock_.tryLock(0);
}

QString InstanceLock::defaultLockPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime + QLatin1Char('/') + lockName;
    }
    // The temporary folder is shared by all users: one lock per user.
    return QDir::tempPath() + QStringLiteral("/brindlemark-") + QString::number(::getuid()) +
           QStringLiteral(".lock");
}

void TellAlreadyRunning(Prompt& prompt) {
    prompt.tell(QStringLiteral("既にプログラムは起動しています。"), QStringLiteral("エラー"));
}

}  // namespace bm
