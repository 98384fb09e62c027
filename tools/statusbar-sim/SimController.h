#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <memory>
#include <vector>

#include "SimScript.h"
#include "SimWindow.h"

namespace bm::sim {

// Runs the stand-in: shows the status-bar window, applies script commands
// when their time comes and reports on standard output what it did
// ("ready", "applied <line>", "closing").
class SimController : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString title;
        QString thiefTitle;
        QPoint position;
        SimState state;
        // An override-redirect status-bar window that sets the focus itself.
        bool unmanaged = false;
        // When valid: a desktop window of this size at `position` holds the
        // status bar (a child window) at DesktopInset, as a virtual desktop does.
        QSize desktopSize;
    };

    explicit SimController(const Options& options);

    // Queues the commands of a whole script; false (with `error` set to
    // "line N: ...") when a line is malformed.
    bool loadScript(const QString& text, QString& error);
    // Reads further commands from standard input as they arrive.
    void listenToStandardInput();
    void start();

private:
    void addLine(const QString& line, int lineNumber);
    void schedule();
    void runDue();
    void apply(const SimCommand& command);
    void readInput();
    void say(const QString& text);
    void activateStatusBar();

    Options options_;
    SimState state_;
    // Declared before window_, so that a status bar inside it goes first.
    std::unique_ptr<SimWindow> desktop_;
    std::unique_ptr<SimWindow> window_;
    std::unique_ptr<SimWindow> thief_;
    std::vector<SimCommand> pending_;  // by time, then by arrival
    double lastAt_ = 0;
    QElapsedTimer clock_;
    QTimer timer_;
    std::unique_ptr<QSocketNotifier> input_;
    QByteArray inputBuffer_;
    int inputLine_ = 0;
    QTextStream out_;
};

}  // namespace bm::sim
