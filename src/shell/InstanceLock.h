#pragma once

#include <QLockFile>
#include <QString>

namespace bm {

class Prompt;

// Keeps a second copy of the program from running for the same user: a lock
// file in the user's runtime folder, held for the life of the process. A
// lock left behind by a crashed copy is taken over, because its process is
// gone.
class InstanceLock {
public:
    InstanceLock();
    explicit InstanceLock(const QString& lockPath);

    // True when this process now holds the lock; false while another process
    // holds it.
    bool tryLock();
    QString path() const { return path_; }

    // The lock file in the runtime folder (XDG_RUNTIME_DIR), else in the
    // temporary folder with the user's id in its name.
    static QString defaultLockPath();

private:
    QString path_;
    QLockFile lock_;
};

// The message box shown when another copy is already running.
void TellAlreadyRunning(Prompt& prompt);

}  // namespace bm
