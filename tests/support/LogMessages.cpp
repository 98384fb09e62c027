#include "support/LogMessages.h"

#include <QFile>

#include "app/Cp932.h"

namespace bm::test {

QStringList logMessagesIn(const QString& logPath) {
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList out;
    for (const QString& line :
         cp932::decode(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        out << line.mid(20);
    }
    return out;
}

}  // namespace bm::test
