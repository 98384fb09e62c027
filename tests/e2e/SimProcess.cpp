#include "SimProcess.h"

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
    return eventually(
        [&] {
            process_.waitForReadyRead(20);
            output_ += process_.readAllStandardOutput();
            return takeLine(output_, line, read_);
        },
        timeoutMs);
}

}  // namespace bm::test
