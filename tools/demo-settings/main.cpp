// Writes a settings file for measuring the status-bar stand-in:
//   demo-settings FOLDER [--interval MINUTES] [--no-autostart] [--no-graph]
// The program started from FOLDER then captures the stand-in every MINUTES
// minutes (1 by default) from the moment it starts, and keeps its pay
// records in FOLDER/log.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "StandInSettings.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr,
                     "usage: demo-settings FOLDER [--interval MINUTES] [--no-autostart] "
                     "[--no-graph]\n");
        return 2;
    }
    const QString folder = QDir(args.takeFirst()).absolutePath();
    bm::Settings s = bm::standInSettings(folder);
    s.CaptureInterval = 1;
    s.AutoStart = true;
    s.GraphShow = true;
    s.StartDelay = 0;
    s.PayRecordMonthly = false;
    s.ShotCheckEnabled = true;
    // Beside the stand-in (at 40,40, 320 wide), so it never covers the figures.
    s.WindowLeft = 400;
    s.WindowTop = 40;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        bool ok = true;
        if (option == QLatin1String("--interval") && !args.isEmpty()) {
            s.CaptureInterval = args.takeFirst().toInt(&ok);
            ok = ok && s.CaptureInterval >= 1;
        } else if (option == QLatin1String("--no-autostart")) {
            s.AutoStart = false;
        } else if (option == QLatin1String("--no-graph")) {
            s.GraphShow = false;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "demo-settings: bad option %s\n", qPrintable(option));
            return 2;
        }
    }
    if (!QDir().mkpath(folder) || !bm::writeSettingsFile(folder, s)) {
        std::fprintf(stderr, "demo-settings: could not write the settings file in %s\n",
                     qPrintable(folder));
        return 1;
    }
    return 0;
}
