#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace bm::test {

// The status-bar stand-in (statusbar-sim) run by a test on the display in
// DISPLAY. Commands go to its standard input; it answers on its standard
// output, which this class reads.
class SimProcess {
public:
    // Starts the stand-in with `arguments` and waits until its window has
    // been painted. Check ready() afterwards.
    explicit SimProcess(const QStringList& arguments = {}, int timeoutMs = 10000);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool ready() const { return ready_; }
    // Sends one script line and waits until the stand-in reports it done
    // ("applied <line>", or "closing" for close). The pixels may reach the
    // screen a moment later.
    bool send(const QString& line, int timeoutMs = 5000);
    // Waits for the process to end (after "close").
    bool waitForExit(int timeoutMs = 5000);
    // What the stand-in wrote on standard error, for failure messages.
    QString errors();

private:
    bool waitForLine(const QString& line, int timeoutMs);

    QProcess process_;
    QByteArray output_;
    bool ready_ = false;
};

}  // namespace bm::test
