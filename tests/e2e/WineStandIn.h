#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace bm::test {

// How Wine runs the Win32 stand-in: its X11 driver's Decorated and Managed
// settings, and whether the program runs inside a Wine virtual desktop.
struct WineSetup {
    bool decorated = true;
    bool managed = true;
    bool virtualDesktop = false;
};

// The Win32 status-bar stand-in (statusbar-win.exe) run by Wine in the
// prefix named by WINEPREFIX, on the display in DISPLAY. Commands are
// appended to its schedule file; it reports "ready", "applied <line>" and
// "closing" in a report file, which this class reads. The destructor ends
// the stand-in and the prefix's wineserver.
class WineStandIn {
public:
    // Writes the X11 driver settings of `setup` into the prefix, starts the
    // stand-in with `arguments` and waits until its window has been painted.
    explicit WineStandIn(const WineSetup& setup, const QStringList& arguments = {},
                         int timeoutMs = 90000);
    ~WineStandIn();
    WineStandIn(const WineStandIn&) = delete;
    WineStandIn& operator=(const WineStandIn&) = delete;

    bool ready() const { return ready_; }
    // Appends one schedule line and waits until the stand-in reports it done.
    bool send(const QString& line, int timeoutMs = 15000);
    QString output() { return QString::fromLocal8Bit(process_.readAll()); }

private:
    bool waitForReport(const QString& line, int timeoutMs);

    QTemporaryDir folder_;
    QProcess process_;
    qsizetype reportRead_ = 0;
    bool ready_ = false;
};

}  // namespace bm::test
