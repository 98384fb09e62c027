#pragma once

#include <QString>

namespace bm {

// Where the program lives and where it writes. The program is portable: it
// writes its settings file, debug logs and region captures beside the
// executable. When that folder is not writable, or the program is installed
// (in <prefix>/bin with its documents in <prefix>/share/brindlemark), every
// file it writes goes to the per-user data folder instead. Paths have no
// trailing separator.
struct ProgramPaths {
    QString executableFolder;         // the program and its help documents
    QString writeFolder;              // settings file, debug logs, region captures
    QString installedDocumentFolder;  // <prefix>/share/brindlemark when installed

    // Folder of the executable, and the writable folder chosen for it.
    static ProgramPaths forExecutableFolder(const QString& executableFolder,
                                            const QString& userDataFolder);
    // Both folders the same (tests, demo folders).
    static ProgramPaths single(const QString& folder) { return {folder, folder, {}}; }

    // A help document: beside the program when it is there, else in the
    // installed document folder when it is there, else the path beside the
    // program (whose absence the opener reports).
    QString helpDocument(const QString& fileName) const;
};

// True when files can be created in the folder.
bool isWritableFolder(const QString& folder);

}  // namespace bm
