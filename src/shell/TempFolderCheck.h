#pragma once

#include <QString>

namespace bm {

class Prompt;

// True when the program folder and the temporary folder lie inside one
// another: the program folder is the temporary folder, lies below it, or is
// one of its parents. Paths are compared by whole components (exact case),
// against both the temporary folder's path and its symlink-resolved form,
// so /var/tmp/games or /home/me/tmpbin are not mistaken for /tmp.
bool IsInTempFolder(const QString& appFolder, const QString& tempFolder);
// The same against the system temporary folder.
bool IsInTempFolder(const QString& appFolder);

// The message box that refuses a start from the temporary folder.
void TellStartedInTempFolder(Prompt& prompt);

}  // namespace bm
