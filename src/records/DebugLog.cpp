#include "records/DebugLog.h"

#include <QFile>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Platform.h"
#include "util/Cp932.h"

namespace bm {

QString GetTimeStamp(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

DebugLog::DebugLog(QString folder, Platform& clock, std::int64_t rotateAtBytes)
    : folder_(std::move(folder)),
      path_(QFile::encodeName(path())),
      backupPath_(QFile::encodeName(backupPath())),
      clock_(clock),
      stamp_(clock),
      rotateAtBytes_(rotateAtBytes) {}

DebugLog::~DebugLog() {
    close();
}

QString DebugLog::path() const {
    return folder_ + QStringLiteral("/debug.txt");
}
QString DebugLog::backupPath() const {
    return folder_ + QStringLiteral("/debugBackUp.txt");
}

QString DebugLog::GetTimeStamp() {
    return QString::fromLatin1(stamp_.now());
}

void DebugLog::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    size_ = 0;
}

void DebugLog::startNewFile() {
    close();
    // A rename keeps the previous log whole; it replaces an older backup.
    ::rename(path_.constData(), backupPath_.constData());
    fd_ = ::open(path_.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
}

void DebugLog::openForAppend() {
    close();
    fd_ = ::open(path_.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    struct stat st {};
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0) {
        size_ = st.st_size;
    }
}

bool DebugLog::fileGone() const {
    struct stat st {};
    return ::fstat(fd_, &st) == 0 && st.st_nlink == 0;
}

void DebugLog::WriteDebugLog(const QString& message, int mode) {
    const std::int64_t utcMs = clock_.utcMilliseconds();
    // Whether the open file has been deleted is asked once per second, not
    // per line: the watch logs dozens of lines a second, and each question
    // is a system call.
    const std::int64_t second = utcMs / 1000;
    const bool checkGone = second != checkedSecond_;
    checkedSecond_ = second;
    struct stat st {};
    if (mode == 1) {
        if (::stat(path_.constData(), &st) == 0) {
            startNewFile();
        } else {
            openForAppend();
        }
    } else if (fd_ < 0 || (checkGone && fileGone())) {
        // Not open yet, or deleted while open: append to the file at its
        // path, which creates it when it is missing.
        openForAppend();
    }
    if (fd_ < 0) {
        return;
    }
    const QByteArray stamp = stamp_.at(utcMs);
    if (size_ > rotateAtBytes_) {
        const qint64 passed = size_;
        startNewFile();
        if (fd_ < 0) {
            return;
        }
        writeLine(stamp,
                  QStringLiteral("Debug Log Rotated : %1 bytes moved to debugBackUp.txt ･･･ End ")
                      .arg(passed));
    }
    writeLine(stamp, message);
}

void DebugLog::writeLine(const QByteArray& stamp, const QString& message) {
    QByteArray line;
    line.reserve(stamp.size() + message.size() * 2 + 3);
    line += stamp;
    line += ' ';
    line += cp932::encode(message);
    line += "\r\n";
    // One write per line, so a line is never half-written by this program;
    // only a full disk or a signal could split it, and the rest follows then.
    const char* data = line.constData();
    qsizetype left = line.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        data += written;
        left -= written;
        size_ += written;
    }
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
