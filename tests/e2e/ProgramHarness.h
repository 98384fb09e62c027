#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "Polling.h"
#include "app/Settings.h"
#include "platform/Platform.h"
#include "support/LogMessages.h"
#include "support/TempFolder.h"

namespace bm {
class X11Platform;
}

namespace bm::test {

// Runs the real program as a user would: from a program folder of its own
// (the executable with its help documents beside it) with a prepared
// settings file, on the X display in DISPLAY. The program is given its own
// temporary folder (a sibling of the program folder, so it does not take its
// folder for a temporary one) and its own runtime folder (so another running
// copy's instance lock does not stop it).
class ProgramHarness {
public:
    ProgramHarness();
    ~ProgramHarness();
    ProgramHarness(const ProgramHarness&) = delete;
    ProgramHarness& operator=(const ProgramHarness&) = delete;

    // False when the folders could not be made or the program not copied.
    bool ready() const { return ready_; }
    QString programFolder() const;
    QString file(const QString& relative) const;

    // The settings the stand-in is measured with, records kept in the
    // program folder; adjust them and pass them to writeSettings.
    Settings standInSettings() const;
    // Those settings for a measuring run that starts by itself: a capture a
    // minute (the first 15 s after the start), a text pay record without
    // month folders, no shots, no graph, and the main window at
    // (10, windowTop), clear of the stand-in.
    Settings autoRunSettings(int windowTop) const;
    bool writeSettings(const Settings& settings);

    // Starts the program; waits until it has logged "Program StartUp Complete ".
    bool start(int timeoutMs = 20000);
    // Starts the program without waiting for anything but the process.
    bool launch(int timeoutMs = 20000);
    // Ends the program at once (SIGKILL), as a crash or a power cut would.
    void kill();
    // Adds a variable to the program's environment for the next start.
    void setEnvironment(const QString& name, const QString& value);
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Asks the main window to close the way the window manager's close
    // button does, and waits for the program to end.
    bool close(int timeoutMs = 20000);
    // True while the process lives; notices an end that no event loop has
    // reported yet (a crash between two checks).
    bool alive();
    // Waits for the program to end by itself.
    bool waitForExit(int timeoutMs);
    // The program's exit code once it has ended normally; -1 otherwise.
    int exitCode() const;
    // What the program wrote on its standard output and error, for failure messages.
    QString output();

    QStringList logMessages() const { return logMessagesIn(file(QStringLiteral("debug.txt"))); }
    // Waits until the debug log holds `message` as a whole message.
    bool waitForLog(const QString& message, int timeoutMs);
    // The pay record files below the program folder's log folder, by name.
    QStringList payRecordFiles() const;

    // The program's main window (by its caption), 0 when not shown.
    WindowId mainWindow();
    // Makes the window with this title the active one, as a click on it
    // would; waits until it is. False when there is no such window.
    bool activate(const QString& title, int timeoutMs = 5000);
    X11Platform& x11() { return *x_; }

    static QString programTitle();

private:
    bool sendClientMessage(WindowId window, const char* type, long data0, long data1);

    QTemporaryDir root_;
    bool ready_ = false;
    QProcess process_;
    QProcessEnvironment extraEnvironment_;
    std::unique_ptr<X11Platform> x_;
};

}  // namespace bm::test
