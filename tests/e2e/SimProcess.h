#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>
#include <functional>

namespace bm::test {

// Polls until `condition` holds; false when it still fails after timeoutMs
// (by default long enough for the stand-in, another process, to show what
// it was told).
inline bool eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

// Finds `line` as a whole line of a stand-in's report `text` at or after
// `from`, and moves `from` past it.
inline bool takeLine(const QByteArray& text, const QString& line, qsizetype& from) {
    const QByteArray wanted = line.toUtf8() + '\n';
    const qsizetype at = text.indexOf(wanted, from);
    if (at < 0 || (at > 0 && text[at - 1] != '\n')) {
        return false;
    }
    from = at + wanted.size();
    return true;
}

// The title of the stand-ins' window, the game's.
inline const QString GameTitle = QStringLiteral("LaTale Client");

// What a stand-in reports once it has carried out a script line.
inline QString reportFor(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.endsWith(QLatin1String("close")) ? QStringLiteral("closing")
                                                    : QStringLiteral("applied ") + trimmed;
}

// The status-bar stand-in (statusbar-sim) run by a test on the display in
// DISPLAY, killed with this object. Commands go to its standard input; it
// answers on its standard output, which this class reads.
class SimProcess {
public:
    // Starts the stand-in with `arguments` and waits until its window has
    // been painted. Check ready() afterwards.
    explicit SimProcess(const QStringList& arguments = {}, int timeoutMs = 10000);

    bool ready() const { return ready_; }
    // Sends one script line and waits until the stand-in reports it done.
    // The pixels may reach the screen a moment later.
    bool send(const QString& line, int timeoutMs = 5000) {
        process_.write(line.toUtf8() + '\n');
        process_.waitForBytesWritten(timeoutMs);
        return waitForLine(reportFor(line), timeoutMs);
    }
    bool waitForExit(int timeoutMs = 5000) {
        return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
    }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }

private:
    bool waitForLine(const QString& line, int timeoutMs);

    QProcess process_;
    QByteArray output_;
    qsizetype read_ = 0;
    bool ready_ = false;
};

}  // namespace bm::test
