#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>

namespace bm::test {

SimProcess::SimProcess(const QStringList& arguments, int timeoutMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The tests run with the offscreen platform; the stand-in must show a
    // real window on the X display.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process_.setProcessEnvironment(env);
    process_.start(QStringLiteral(BM_STATUSBAR_SIM_PATH),
                   QStringList{QStringLiteral("--script"), QStringLiteral("-")} + arguments);
    ready_ = process_.waitForStarted(timeoutMs) && waitForLine(QStringLiteral("ready"), timeoutMs);
}

bool SimProcess::waitForLine(const QString& line, int timeoutMs) {
    const QByteArray wanted = line.toUtf8() + '\n';
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        const qsizetype at = output_.indexOf(wanted);
        if (at >= 0 && (at == 0 || output_[at - 1] == '\n')) {
            output_.remove(0, at + wanted.size());
            return true;
        }
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) {
            return false;
        }
        process_.waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        output_ += process_.readAllStandardOutput();
    }
}

bool SimProcess::send(const QString& line, int timeoutMs) {
    process_.write(line.toUtf8() + '\n');
    process_.waitForBytesWritten(timeoutMs);
    return waitForLine(reportFor(line), timeoutMs);
}

}  // namespace bm::test
