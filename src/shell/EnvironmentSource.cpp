#include "shell/EnvironmentSource.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QSysInfo>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "shell/HardwareSource.h"

namespace bm {

namespace {

std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<QString> readLine(const QString& path) {
    const auto bytes = readFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return QString::fromUtf8(*bytes).trimmed();
}

// A value of an os-release file: KEY=value, the value optionally in single
// or double quotes, with backslash escapes inside double quotes.
QString osReleaseValue(const QString& text, const QString& key) {
    const QString prefix = key + QLatin1Char('=');
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (!line.startsWith(prefix)) {
            continue;
        }
        QString value = line.mid(prefix.size());
        if (value.size() >= 2 && value.front() == value.back() &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))) {
            const bool doubleQuoted = value.front() == QLatin1Char('"');
            value = value.mid(1, value.size() - 2);
            if (doubleQuoted) {
                QString plain;
                for (qsizetype i = 0; i < value.size(); ++i) {
                    if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
                        ++i;
                    }
                    plain += value[i];
                }
                value = plain;
            }
        }
        return value;
    }
    return {};
}

// "Key:   1234 kB" lines of /proc/meminfo, values in kB.
std::map<QString, std::int64_t> readMeminfo(const QString& root) {
    std::map<QString, std::int64_t> values;
    const auto bytes = readFile(root + QStringLiteral("/proc/meminfo"));
    if (!bytes) {
        return values;
    }
    for (const QString& line : QString::fromUtf8(*bytes).split(QLatin1Char('\n'))) {
        const auto colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            continue;
        }
        const QStringList fields = line.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = false;
        const std::int64_t value = fields.isEmpty() ? 0 : fields.front().toLongLong(&ok);
        if (ok) {
            values[line.left(colon).trimmed()] = value;
        }
    }
    return values;
}

// Login sessions in utmp: records of 384 bytes whose type (the first
// 16-bit field) is USER_PROCESS.
QString countLoggedInUsers(const QString& root) {
    constexpr qsizetype RecordSize = 384;
    constexpr std::int16_t UserProcess = 7;
    for (const char* name : {"/run/utmp", "/var/run/utmp"}) {
        const auto bytes = readFile(root + QLatin1String(name));
        if (!bytes) {
            continue;
        }
        int users = 0;
        for (qsizetype at = 0; at + RecordSize <= bytes->size(); at += RecordSize) {
            std::int16_t type = 0;
            std::memcpy(&type, bytes->constData() + at, sizeof type);
            if (type == UserProcess) {
                ++users;
            }
        }
        return QString::number(users);
    }
    return QStringLiteral("0");
}

std::optional<OperatingSystemInfo> readOperatingSystem(const EnvironmentSource& source) {
    const QString& root = source.root;
    auto osRelease = readFile(root + QStringLiteral("/etc/os-release"));
    if (!osRelease) {
        osRelease = readFile(root + QStringLiteral("/usr/lib/os-release"));
    }
    const QString kernelDir = root + QStringLiteral("/proc/sys/kernel/");
    const auto osType = readLine(kernelDir + QStringLiteral("ostype"));
    const auto release = readLine(kernelDir + QStringLiteral("osrelease"));
    const auto build = readLine(kernelDir + QStringLiteral("version"));
    const auto uptime = readLine(root + QStringLiteral("/proc/uptime"));
    const auto memory = readMeminfo(root);
    if (!osRelease || !osType || !release || !build || !uptime) {
        return std::nullopt;
    }
    bool uptimeOk = false;
    const double uptimeSeconds = uptime->section(QLatin1Char(' '), 0, 0).toDouble(&uptimeOk);
    // Anything beyond a few centuries of uptime is not a clock reading.
    if (!uptimeOk || !std::isfinite(uptimeSeconds) || uptimeSeconds < 0 || uptimeSeconds > 1e10) {
        return std::nullopt;
    }
    for (const char* key : {"MemTotal", "MemFree", "SwapTotal", "SwapFree"}) {
        if (!memory.contains(QLatin1String(key))) {
            return std::nullopt;
        }
    }
    const auto kb = [&memory](const char* key) { return memory.at(QLatin1String(key)); };

    OperatingSystemInfo os;
    const QString text = QString::fromUtf8(*osRelease);
    os.Caption = osReleaseValue(text, QStringLiteral("PRETTY_NAME"));
    if (os.Caption.isEmpty()) {
        os.Caption = osReleaseValue(text, QStringLiteral("NAME"));
    }
    if (os.Caption.isEmpty()) {
        os.Caption = *osType;
    }
    os.Version = *release;
    os.ServicePackMajorVersion = QStringLiteral("0");
    os.ServicePackMinorVersion = QStringLiteral("0");
    os.LocalDateTime = WmiDateTime(source.now);
    os.LastBootUpTime =
        WmiDateTime(source.now.addMSecs(-static_cast<qint64>(std::llround(uptimeSeconds * 1000))));
    os.BuildType = *build;
    os.NumberOfUsers = countLoggedInUsers(root);
    os.FreePhysicalMemory = QString::number(kb("MemFree"));
    os.TotalVisibleMemorySize = QString::number(kb("MemTotal"));
    os.FreeVirtualMemory = QString::number(kb("MemFree") + kb("SwapFree"));
    os.TotalVirtualMemorySize = QString::number(kb("MemTotal") + kb("SwapTotal"));
    return os;
}

// One "key : value" block of /proc/cpuinfo per logical processor.
using CpuBlock = QHash<QString, QString>;

std::vector<CpuBlock> cpuBlocks(const QString& text) {
    std::vector<CpuBlock> blocks;
    CpuBlock current;
    const auto finish = [&] {
        // Blocks without a processor number describe the board, not a CPU.
        if (current.contains(QStringLiteral("processor"))) {
            blocks.push_back(current);
        }
        current.clear();
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty()) {
            finish();
            continue;
        }
        const auto colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0) {
            current.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
        }
    }
    finish();
    return blocks;
}

QString processorName(const CpuBlock& block) {
    for (const char* key : {"model name", "cpu model", "cpu", "Processor"}) {
        const QString value = block.value(QLatin1String(key));
        if (!value.isEmpty()) {
            return value;
        }
    }
    return {};
}

ProcessorInfo describeProcessor(const CpuBlock& block, const QString& architecture) {
    ProcessorInfo cpu;
    cpu.Name = processorName(block);
    bool modelOk = false;
    bool steppingOk = false;
    const int model = block.value(QStringLiteral("model")).toInt(&modelOk);
    const int stepping = block.value(QStringLiteral("stepping")).toInt(&steppingOk);
    if (modelOk && steppingOk) {
        cpu.Revision = QString::number(model * 256 + stepping);
    } else {
        cpu.Revision = block.value(QStringLiteral("CPU revision"));
    }
    cpu.Description = architecture;
    if (block.contains(QStringLiteral("cpu family"))) {
        cpu.Description += QStringLiteral(" Family ") + block.value(QStringLiteral("cpu family"));
    }
    if (modelOk) {
        cpu.Description += QStringLiteral(" Model ") + QString::number(model);
    }
    if (steppingOk) {
        cpu.Description += QStringLiteral(" Stepping ") + QString::number(stepping);
    }
    return cpu;
}

std::optional<std::vector<ProcessorInfo>> readProcessors(const EnvironmentSource& source) {
    const auto bytes = readFile(source.root + QStringLiteral("/proc/cpuinfo"));
    if (!bytes) {
        return std::nullopt;
    }
    QString architecture =
        readLine(source.root + QStringLiteral("/proc/sys/kernel/arch")).value_or(QString());
    if (architecture.isEmpty()) {
        architecture = source.architecture;
    }
    std::vector<ProcessorInfo> processors;
    QStringList seen;
    for (const CpuBlock& block : cpuBlocks(QString::fromUtf8(*bytes))) {
        const QString key =
            block.contains(QStringLiteral("physical id"))
                ? QStringLiteral("package ") + block.value(QStringLiteral("physical id"))
                : QStringLiteral("model ") + processorName(block);
        if (seen.contains(key)) {
            continue;
        }
        seen.append(key);
        processors.push_back(describeProcessor(block, architecture));
    }
    return processors;
}

}  // namespace

EnvironmentSource EnvironmentSource::thisMachine(const QDateTime& now) {
    return {QString(), now, QSysInfo::currentCpuArchitecture()};
}

QString WmiDateTime(const QDateTime& when) {
    if (!when.isValid()) {
        return {};
    }
    const int offsetMinutes = when.offsetFromUtc() / 60;
    return when.toString(QStringLiteral("yyyyMMddHHmmss")) + QLatin1Char('.') +
           QStringLiteral("%1").arg(when.time().msec() * 1000, 6, 10, QLatin1Char('0')) +
           (offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1").arg(std::abs(offsetMinutes), 3, 10, QLatin1Char('0'));
}

std::optional<MachineEnvironment> ReadMachineEnvironment(const EnvironmentSource& source) {
    auto os = readOperatingSystem(source);
    auto processors = readProcessors(source);
    if (!os || !processors) {
        return std::nullopt;
    }
    MachineEnvironment env;
    env.operatingSystems.push_back(std::move(*os));
    env.processors = std::move(*processors);
    env.caches = ReadCacheMemories(source.root);
    env.videoControllers = ReadVideoControllers(source.root);
    env.computerSystems = ReadComputerSystems(source.root);
    return env;
}

std::optional<MemoryStatus> ReadMemoryStatus(const EnvironmentSource& source) {
    const auto memory = readMeminfo(source.root);
    const auto total = memory.find(QStringLiteral("MemTotal"));
    if (total == memory.end() || total->second <= 0) {
        return std::nullopt;
    }
    auto available = memory.find(QStringLiteral("MemAvailable"));
    if (available == memory.end()) {
        available = memory.find(QStringLiteral("MemFree"));
    }
    MemoryStatus status;
    status.availablePhysicalKB =
        available == memory.end() ? 0
                                  : std::clamp<std::int64_t>(available->second, 0, total->second);
    status.memoryLoad =
        static_cast<int>((total->second - status.availablePhysicalKB) * 100 / total->second);
    return status;
}

}  // namespace bm
