#include "WineStandIn.h"

#include <QFile>
#include <QProcessEnvironment>

#include "SimProcess.h"
#include "support/TempFolder.h"

namespace bm::test {

namespace {

// Wine sees the Unix file system as drive Z:.
QString windowsPath(const QString& path) {
    return QStringLiteral("Z:") + QString(path).replace(u'/', u'\\');
}

bool append(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(bytes) == bytes.size();
}

QProcessEnvironment wineEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WINEDEBUG", "-all");
    // No Mono or Gecko installers.
    env.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");
    return env;
}

bool runWine(const QStringList& arguments, int timeoutMs) {
    QProcess wine;
    wine.setProcessEnvironment(wineEnvironment());
    wine.setProcessChannelMode(QProcess::ForwardedChannels);
    wine.start(QStringLiteral("wine"), arguments);
    return wine.waitForFinished(timeoutMs) && wine.exitStatus() == QProcess::NormalExit &&
           wine.exitCode() == 0;
}

}  // namespace

WineStandIn::WineStandIn(const WineSetup& setup, const QStringList& arguments, int timeoutMs) {
    const QString registry = folder_.filePath(QStringLiteral("x11driver.reg"));
    const auto value = [](const char* name, bool on) {
        // The default is Y for both; N is the setup under test.
        return QStringLiteral("\"%1\"=%2\r\n")
            .arg(QLatin1String(name), on ? QStringLiteral("-") : QStringLiteral("\"N\""));
    };
    const QString settings = QStringLiteral(
                                 "REGEDIT4\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n") +
                             value("Decorated", setup.decorated) + value("Managed", setup.managed);
    const QString schedule = folder_.filePath(QStringLiteral("schedule.txt"));
    const QString report = folder_.filePath(QStringLiteral("report.txt"));
    if (!folder_.isValid() || !append(registry, settings.toLatin1()) ||
        !append(schedule, QByteArray()) ||
        !runWine({"regedit", "/S", windowsPath(registry)}, timeoutMs)) {
        return;
    }
    QStringList command{windowsPath(BM_STATUSBAR_WIN_PATH), "--script", windowsPath(schedule),
                        "--report", windowsPath(report)};
    command += arguments;
    if (setup.virtualDesktop) {
        command = QStringList{"explorer", "/desktop=Brindlemark,800x600"} + command;
    }
    process_.setProcessEnvironment(wineEnvironment());
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QStringLiteral("wine"), command);
    ready_ = process_.waitForStarted(timeoutMs) && waitForReport("ready", timeoutMs);
}

WineStandIn::~WineStandIn() {
    // Everything of the prefix goes: the stand-in, Wine's desktop process
    // and the wineserver, so that the next test starts afresh.
    QProcess::execute(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    process_.kill();
    process_.waitForFinished(5000);
    QProcess::execute(QStringLiteral("wineserver"), {QStringLiteral("-w")});
}

bool WineStandIn::waitForReport(const QString& line, int timeoutMs) {
    const QString report = folder_.filePath(QStringLiteral("report.txt"));
    return eventually([&] { return takeLine(TempFolder::readBytes(report), line, reportRead_); },
                      timeoutMs);
}

bool WineStandIn::send(const QString& line, int timeoutMs) {
    return append(folder_.filePath(QStringLiteral("schedule.txt")),
                  line.trimmed().toUtf8() + '\n') &&
           waitForReport(reportFor(line), timeoutMs);
}

}  // namespace bm::test
