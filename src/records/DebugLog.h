#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

#include "records/LocalTimeStamp.h"

namespace bm {

class Platform;

// "yyyy/mm/dd hh:mm:ss" whatever the locale: the debug log's time stamp and
// the time texts of the result panel.
QString GetTimeStamp(const QDateTime& when);

// The debug log, debug.txt in the program's writable folder: one line per
// call, the time stamp, one blank and the message, CR LF, in CP932. Mode 1
// starts a new log and keeps the previous one as debugBackUp.txt.
//
// The file stays open between lines and every line goes out in one write
// without buffering in this process, so a line written is on disk even if
// the program crashes right after, and readers see every line at once. A log
// deleted while the program runs is created again with the first line of the
// next second (lines of the same second still go to the deleted file). A log
// that grows past `rotateAtBytes` is moved to debugBackUp.txt like at a new
// start, and the new log says so in its first line.
class DebugLog {
public:
    static constexpr std::int64_t DefaultRotateAtBytes = 20LL * 1024 * 1024;

    DebugLog(QString folder, Platform& clock, std::int64_t rotateAtBytes = DefaultRotateAtBytes);
    ~DebugLog();
    DebugLog(const DebugLog&) = delete;
    DebugLog& operator=(const DebugLog&) = delete;

    void WriteDebugLog(const QString& message, int mode = 0);
    QString GetTimeStamp();

    QString path() const;
    QString backupPath() const;

private:
    // Moves an existing log to the backup and starts an empty one.
    void startNewFile();
    void openForAppend();
    void close();
    // True when the open file has been deleted.
    bool fileGone() const;
    void writeLine(const QByteArray& stamp, const QString& message);

    QString folder_;
    QByteArray path_;        // debug.txt, encoded for the file system
    QByteArray backupPath_;  // debugBackUp.txt
    Platform& clock_;
    LocalTimeStamp stamp_;
    std::int64_t rotateAtBytes_;
    int fd_ = -1;
    std::int64_t size_ = 0;                   // bytes in the open file
    std::int64_t checkedSecond_ = INT64_MIN;  // the UTC second deletion was last asked for
};

// Collects the most recent failure of a routine that goes on past failing
// steps, and writes its one "Error Trap" line at the end.
struct ErrorTrap {
    int code = 0;
    QString description;

    void fail(int errorCode, const QString& text) {
        code = errorCode;
        description = text;
    }
    explicit operator bool() const { return code != 0; }
    // "Error Trap : <routine> : CODE<n>  <description>"
    QString line(const QString& routine) const;
    // Writes the line when a failure was collected.
    void report(DebugLog& log, const QString& routine) const;
};

// Error numbers the program reports.
namespace errcode {
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
}  // namespace errcode

}  // namespace bm
