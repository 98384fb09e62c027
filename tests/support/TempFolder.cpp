#include "support/TempFolder.h"

#include <QFile>

namespace bm::test {

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/bm-test-XXXXXX")) {}

QByteArray TempFolder::readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

void TempFolder::writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
}

}  // namespace bm::test
