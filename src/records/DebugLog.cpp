#include "records/DebugLog.h"

#include <QFile>

#include "platform/Platform.h"
#include "util/Cp932.h"

namespace bm {

QString GetTimeStamp(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

DebugLog::DebugLog(QString folder, Platform& clock) : folder_(std::move(folder)), clock_(clock) {}

QString DebugLog::path() const {
    return folder_ + QStringLiteral("/debug.txt");
}
QString DebugLog::backupPath() const {
    return folder_ + QStringLiteral("/debugBackUp.txt");
}

QString DebugLog::GetTimeStamp() const {
    return bm::GetTimeStamp(clock_.now());
}

void DebugLog::WriteDebugLog(const QString& message, int mode) {
    const QString file = path();
    const bool exists = QFile::exists(file);
    QFile out(file);
    bool opened = false;
    if (!exists || mode == 1) {
        if (exists) {
            QFile::remove(backupPath());
            QFile::copy(file, backupPath());
        }
        opened = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    } else {
        opened = out.open(QIODevice::WriteOnly | QIODevice::Append);
    }
    if (!opened) {
        return;
    }
    // One write per line, so a line is never half-written by this program.
    out.write(cp932::encode(GetTimeStamp() + QLatin1Char(' ') + message + QStringLiteral("\r\n")));
}

QString ErrorTrap::line(const QString& routine) const {
    return QStringLiteral("Error Trap : ") + routine + QStringLiteral(" : CODE") +
           QString::number(code) + QStringLiteral("  ") + description;
}

void ErrorTrap::report(DebugLog& log, const QString& routine) const {
    if (code != 0) {
        log.WriteDebugLog(line(routine), 0);
    }
}

}  // namespace bm
