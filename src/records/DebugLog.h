#pragma once

#include <QDateTime>
#include <QString>

namespace bm {

class Platform;

// "yyyy/mm/dd hh:mm:ss" whatever the locale: the debug log's time stamp and
// the time texts of the result panel.
QString GetTimeStamp(const QDateTime& when);

// The debug log, debug.txt in the program's writable folder: one line per
// call, the time stamp, one blank and the message, CR LF, in CP932. The file
// is opened and closed on every call; mode 1 starts a new log and keeps the
// previous one as debugBackUp.txt.
class DebugLog {
public:
    DebugLog(QString folder, Platform& clock);

    void WriteDebugLog(const QString& message, int mode = 0);
    QString GetTimeStamp() const;

    QString path() const;
    QString backupPath() const;

private:
    QString folder_;
    Platform& clock_;
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
