#pragma once

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
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
// (with its help documents) with a prepared settings file, on the display
// in DISPLAY, with the user's keyboard and mouse through xdotool. Its own
// temporary and runtime folders keep it from taking its folder for a
// temporary one and from other copies' instance locks.
class ProgramHarness {
public:
    ProgramHarness();
    ~ProgramHarness();
    ProgramHarness(const ProgramHarness&) = delete;
    ProgramHarness& operator=(const ProgramHarness&) = delete;

    bool ready() const { return ready_; }
    QString programFolder() const { return root_.filePath(QStringLiteral("program")); }
    QString file(const QString& relative) const { return programFolder() + u'/' + relative; }

    // The stand-in's settings for a measuring run that starts by itself: a
    // capture a minute (the first 15 s after the start), a text pay record
    // without month folders, no shots, no graph, and the main window at
    // (10, windowTop), clear of the stand-in.
    Settings autoRunSettings(int windowTop) const;
    bool writeSettings(const Settings& settings);

    // Starts the program and waits until it has logged "Program StartUp
    // Complete "; launch waits for the process alone.
    bool start(int timeoutMs = 20000);
    bool launch(int timeoutMs = 20000);
    // Ends the program at once (SIGKILL), as a crash or a power cut would.
    void kill();
    // Asks the main window to close and waits for the program to end.
    bool close(int timeoutMs = 20000);
    // True while the process lives, also noticing an end not yet reported.
    bool alive() {
        return process_.state() != QProcess::NotRunning && !process_.waitForFinished(0);
    }
    bool waitForExit(int timeoutMs) { return process_.waitForFinished(timeoutMs); }
    // -1 unless the program has ended normally.
    int exitCode() const;
    QString output() { return QString::fromLocal8Bit(process_.readAll()); }

    QByteArray bytes(const QString& relative) const {
        return TempFolder::readBytes(file(relative));
    }
    QStringList logMessages() const { return logMessagesIn(file(QStringLiteral("debug.txt"))); }
    std::string logText() const { return logMessages().join(u'\n').toStdString(); }
    bool waitForLog(const QString& message, int timeoutMs);
    // The pay record files in the program folder's log folder, by name.
    QStringList payRecordFiles() const;
    // A measuring run's pay record: once the first capture has written the
    // header, `changeFigures` takes the game from 57 / 12.34 % / 1,234,567
    // to 57 / 15.00 % / 1,240,000; then the record once the next capture has
    // written its line, or empty when either did not come in time.
    QByteArray recordAfterChange(const std::function<bool()>& changeFigures, int timeoutMs);
    // The lines (without time stamp) the capture after that change may
    // write, for every interval of `fromSeconds` to `toSeconds` after the
    // first: the capture timer's steps decide the exact interval.
    static QStringList changedRecordLines(int fromSeconds, int toSeconds);

    static QString programTitle();
    WindowId mainWindow();
    // The top-level window with this title if it is on the screen, else 0.
    WindowId shownWindow(const QString& title);
    WindowId waitForWindow(const QString& title, int timeoutMs = 15000);
    bool waitForNoWindow(const QString& title, int timeoutMs = 15000);
    // The size of the window's client area; empty when it is gone.
    QSize clientSize(WindowId window);
    // Makes the window the active one and waits until it is.
    bool activate(WindowId window, int timeoutMs = 5000);
    X11Platform& x11() { return *x_; }

    static bool xdotool(const QStringList& arguments);
    // Keys ("alt", "Down", "alt+F4") and text to the window with the focus.
    bool keys(const QStringList& keys);
    bool type(const QString& text);
    // A left click at a point of the window's client area.
    bool click(WindowId window, QPoint point);
    // A left click on the close button of openbox's title bar.
    bool clickCloseBox(WindowId window);

private:
    bool sendClientMessage(WindowId window, const char* type, long data0, long data1);

    QTemporaryDir root_;
    bool ready_ = false;
    QProcess process_;
    std::unique_ptr<X11Platform> x_;
};

}  // namespace bm::test
