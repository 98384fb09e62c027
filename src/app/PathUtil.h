#pragma once

#include <QString>

namespace bm {

// True when a file or folder of that path exists.
bool PathExists(const QString& path);

// Creates every missing folder along `path`. The path comes back ending in
// a separator. Relative paths are taken from the current folder.
void CreateFolderTree(QString& path);

}  // namespace bm
