#include "app/ProgramPaths.h"

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

namespace {

// <prefix>/share/brindlemark when the executable lies in <prefix>/bin beside
// it; empty for a portable program folder.
QString findInstalledDocumentFolder(const QString& executableFolder) {
    const QDir bin(executableFolder);
    if (bin.dirName() != QLatin1String("bin")) {
        return {};
    }
    const QString share =
        QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/brindlemark")));
    return QFileInfo(share).isDir() ? share : QString();
}

}  // namespace

ProgramPaths ProgramPaths::forExecutableFolder(const QString& executableFolder,
                                               const QString& userDataFolder) {
    ProgramPaths p{executableFolder, executableFolder,
                   findInstalledDocumentFolder(executableFolder)};
    // An installed program never writes into the system's folders, not even
    // when it runs with the rights to.
    if (!p.installedDocumentFolder.isEmpty() || !isWritableFolder(executableFolder)) {
        QDir().mkpath(userDataFolder);
        p.writeFolder = userDataFolder;
    }
    return p;
}

QString ProgramPaths::helpDocument(const QString& fileName) const {
    const QString beside = executableFolder + QLatin1Char('/') + fileName;
    if (installedDocumentFolder.isEmpty() || QFileInfo::exists(beside)) {
        return beside;
    }
    const QString installed = installedDocumentFolder + QLatin1Char('/') + fileName;
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace bm
