#include "util/ProgramPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace bm {

bool isWritableFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return false;
    }
    // The file permission bits do not tell about read-only mounts or ACLs:
    // try to create a file.
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open();
}

ProgramPaths ProgramPaths::forExecutableFolder(const QString& executableFolder,
                                               const QString& userDataFolder) {
    ProgramPaths p{executableFolder, executableFolder};
    if (!isWritableFolder(executableFolder)) {
        QDir().mkpath(userDataFolder);
        p.writeFolder = userDataFolder;
    }
    return p;
}

}  // namespace bm
