#pragma once

#include <QDir>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "SimProcess.h"
#include "StandInSettings.h"
#include "app/Settings.h"
#include "platform/Platform.h"
#include "settings/SettingsDefaults.h"
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
    bool writeSettings(const Settings& settings) {
        settings_ = settings;
        return writeSettingsFile(programFolder(), settings);
    }

    // start waits until the program has started up; launch, for the process.
    bool start(int timeoutMs = 20000) {
        return launch(timeoutMs) && waitForLog("Program StartUp Complete ", timeoutMs);
    }
    bool launch(int timeoutMs = 20000);
    // Ends the program at once (SIGKILL), as a crash or a power cut would.
    void kill() {
        process_.kill();
        process_.waitForFinished(10000);
    }
    // Asks the main window to close and waits for the program to end.
    bool close(int timeoutMs = 20000);
    // True while the process lives, also noticing an end not yet reported.
    bool alive() {
        return process_.state() != QProcess::NotRunning && !process_.waitForFinished(0);
    }
    bool waitForExit(int timeoutMs) { return process_.waitForFinished(timeoutMs); }
    int exitCode() const {
        const bool normal = process_.state() == QProcess::NotRunning &&
                            process_.exitStatus() == QProcess::NormalExit;
        return normal ? process_.exitCode() : -1;
    }
    QString output() { return QString::fromLocal8Bit(process_.readAll()); }

    QByteArray bytes(const QString& relative) const {
        return TempFolder::readBytes(file(relative));
    }
    QStringList logMessages() const { return logMessagesIn(file(QStringLiteral("debug.txt"))); }
    std::string logText() const { return logMessages().join(u'\n').toStdString(); }
    bool waitForLog(const QString& message, int timeoutMs);
    // The pay record files in the program folder's log folder, by name.
    QStringList payRecordFiles() const {
        return QDir(file("log")).entryList(QDir::Files, QDir::Name);
    }
    // A measuring run's pay record: once the first capture has written the
    // header, `changeFigures` takes the game from 57 / 12.34 % / 1,234,567
    // to 57 / 15.00 % / 1,240,000; then the record once the next capture has
    // written its line, or empty when either did not come in time.
    QByteArray recordAfterChange(const std::function<bool()>& changeFigures, int timeoutMs);
    // The lines (without time stamp) the capture after that change may
    // write, for every interval of `fromSeconds` to `toSeconds` after the
    // first: the capture timer's steps decide the exact interval.
    static QStringList changedRecordLines(int fromSeconds, int toSeconds);

    static QString programTitle() { return makeProgramTitle(DefaultVersionText); }
    WindowId mainWindow();
    // The top-level window with this title if it is on the screen, else 0.
    WindowId shownWindow(const QString& title);
    WindowId waitForWindow(const QString& title, int timeoutMs = 15000) {
        WindowId id = 0;
        eventually([&] { return (id = shownWindow(title)) != 0; }, timeoutMs);
        return id;
    }
    bool waitForNoWindow(const QString& title, int timeoutMs = 15000) {
        return eventually([&] { return shownWindow(title) == 0; }, timeoutMs);
    }
    // Where a user's click on a control lands in the window's client area:
    // the same window built in this process (same code, fonts and style, off
    // screen, with the settings last written) at the size the program's
    // window has gives the control's centre; (-1, -1) when there is none.
    // While a run is active the main window's 開始 reads ロギング, which
    // moves the menu bar items after it.
    static QPoint menuBarItem(const QString& caption, bool runActive);
    // A control of the options dialog on its page (0..4); no name: the page's tab.
    QPoint optionsControl(WindowId options, const QString& name, int page);
    // A control of the numeric input dialog asking with this prompt.
    QPoint inputControl(WindowId input, const QString& name, const QString& prompt);
    // Makes the window the active one and waits until it is.
    bool activate(WindowId window, int timeoutMs = 5000);
    X11Platform& x11() { return *x_; }

    static bool xdotool(const QStringList& arguments);
    // Keys ("alt", "Down", "alt+F4") and text to the window with the focus,
    // with a user's pause between keys: a menu opened by one is shown
    // before the next.
    bool keys(const QStringList& keys) {
        return xdotool(QStringList{"key", "--delay", "150"} + keys);
    }
    bool type(const QString& text) { return xdotool({"type", "--delay", "60", text}); }
    // A left click at a point of the window's client area.
    bool click(WindowId window, QPoint point);
    // A left click on the close button of openbox's title bar.
    bool clickCloseBox(WindowId window);

private:
    bool sendClientMessage(WindowId window, const char* type, long data0, long data1);

    QTemporaryDir root_;
    Settings settings_;
    bool ready_ = false;
    QProcess process_;
    std::unique_ptr<X11Platform> x_;
};

}  // namespace bm::test
