#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "shell/InstanceLock.h"
#include "support/TempFolder.h"

namespace {

// When started with BM_LOCK_CHILD=<path>, this test program acts as the
// "other instance": it tries the lock, says what happened and, holding it,
// waits to be killed. This runs before the tests are even listed.
const char* const childVariable = "BM_LOCK_CHILD";

const bool childRole = [] {
    const char* path = std::getenv(childVariable);
    if (path == nullptr) {
        return false;
    }
    bm::InstanceLock lock(QString::fromLocal8Bit(path));
    const bool held = lock.tryLock();
    std::printf(held ? "LOCK:held\n" : "LOCK:refused\n");
    std::fflush(stdout);
    if (held) {
        QThread::sleep(30);
    }
    std::_Exit(0);
}();

// Starts the other instance and waits for its answer.
QString startOther(QProcess& other, const QString& lockPath) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(childVariable), lockPath);
    other.setProcessEnvironment(env);
    other.start(QCoreApplication::applicationFilePath(), {});
    QByteArray out;
    while (!out.contains("LOCK:") || !out.contains('\n')) {
        if (!other.waitForReadyRead(10000)) {
            break;
        }
        out += other.readAllStandardOutput();
    }
    return QString::fromLatin1(out).trimmed();
}

}  // namespace

TEST(InstanceLock, OneHolderAtATimeAndAKilledHoldersLockIsTakenOver) {
    ASSERT_FALSE(childRole);
    bm::test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("instance.lock"));
    {
        bm::InstanceLock first(path);
        ASSERT_TRUE(first.tryLock());
        EXPECT_TRUE(first.tryLock());  // asking again keeps it
        QProcess refused;
        EXPECT_EQ(startOther(refused, path), QStringLiteral("LOCK:refused"));
        refused.waitForFinished(10000);
    }

    QProcess other;
    ASSERT_EQ(startOther(other, path), QStringLiteral("LOCK:held"));
    {
        bm::InstanceLock second(path);
        EXPECT_FALSE(second.tryLock());
    }
    other.kill();
    other.waitForFinished(10000);

    bm::InstanceLock afterCrash(path);
    EXPECT_TRUE(afterCrash.tryLock());
}
