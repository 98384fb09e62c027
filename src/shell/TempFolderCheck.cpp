#include "shell/TempFolderCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "util/Prompt.h"

namespace bm {

namespace {

// The folders of an absolute path from the root down; "/" has none.
QStringList components(const QString& path) {
    const QString absolute = QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath();
    return QDir::cleanPath(absolute).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// True when one path is the other or lies below it, whole components only.
bool nested(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    const QStringList ca = components(a);
    const QStringList cb = components(b);
    const qsizetype common = std::min(ca.size(), cb.size());
    return std::equal(ca.begin(), ca.begin() + common, cb.begin());
}

}  // namespace

bool IsInTempFolder(const QString& appFolder, const QString& tempFolder) {
    if (nested(appFolder, tempFolder)) {
        return true;
    }
    const QString resolved = QFileInfo(tempFolder).canonicalFilePath();
    return nested(appFolder, resolved);
}

bool IsInTempFolder(const QString& appFolder) {
    return IsInTempFolder(appFolder, QDir::tempPath());
}

void TellStartedInTempFolder(Prompt& prompt) {
    prompt.tell(QStringLiteral("テンポラリフォルダでは実行できません。\r\n"
                               "Zip圧縮ファイルは適切なフォルダに解凍してから実行してください。"),
                QStringLiteral("起動エラー"));
}

}  // namespace bm
