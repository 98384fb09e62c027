#include "app/PathUtil.h"

#include <QDir>
#include <QFileInfo>

namespace bm {

bool PathExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

void CreateFolderTree(QString& path) {
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    // Each separator after the first character ends one folder of the tree.
    for (qsizetype i = path.indexOf(QLatin1Char('/'), 1); i >= 0;
         i = path.indexOf(QLatin1Char('/'), i + 1)) {
        const QString folder = path.left(i);
        if (!QFileInfo::exists(folder)) {
            QDir().mkdir(folder);
        }
    }
}

}  // namespace bm
