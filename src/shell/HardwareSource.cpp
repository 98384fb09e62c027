#include "shell/HardwareSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace bm {

namespace {

std::optional<QString> readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

QString readTrimmed(const QString& path) {
    return readText(path).value_or(QString()).trimmed();
}

// Entries of `folder` named <prefix><number>, ordered by their number.
QStringList numberedEntries(const QString& folder, const QString& prefix) {
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    QList<std::pair<int, QString>> found;
    const QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QString number = name.mid(prefix.size());
        if (name.startsWith(prefix) && digits.match(number).hasMatch()) {
            found.append({number.toInt(), name});
        }
    }
    std::sort(found.begin(), found.end());
    QStringList ordered;
    for (const auto& entry : found) {
        ordered.append(entry.second);
    }
    return ordered;
}

// "32K", "8M", "1G" or a plain byte count, in kB.
std::int64_t cacheSizeKB(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d+)\\s*([KMG]?)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        return 0;
    }
    const std::int64_t number = match.captured(1).toLongLong();
    const QString unit = match.captured(2).toUpper();
    if (unit == QLatin1String("K")) {
        return number;
    }
    if (unit == QLatin1String("M")) {
        return number * 1024;
    }
    if (unit == QLatin1String("G")) {
        return number * 1024 * 1024;
    }
    return number / 1024;
}

// "0x10de" -> "10de".
QString pciId(const QString& text) {
    QString id = text.trimmed().toLower();
    if (id.startsWith(QLatin1String("0x"))) {
        id = id.mid(2);
    }
    return id;
}

QString pciDatabaseName(const QString& root, const QString& vendor, const QString& device) {
    for (const char* path :
         {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids", "/usr/share/pci.ids"}) {
        const auto database = readText(root + QLatin1String(path));
        if (database) {
            return LookUpPciName(*database, vendor, device);
        }
    }
    return {};
}

// The first mode of the first connected output of card `card`, "1920 x 1080".
QString currentMode(const QString& drmFolder, const QString& card) {
    const QStringList outputs =
        QDir(drmFolder).entryList({card + QStringLiteral("-*")}, QDir::Dirs, QDir::Name);
    for (const QString& output : outputs) {
        const QString folder = drmFolder + QLatin1Char('/') + output;
        if (readTrimmed(folder + QStringLiteral("/status")) != QLatin1String("connected")) {
            continue;
        }
        const QString mode =
            readTrimmed(folder + QStringLiteral("/modes")).section(QLatin1Char('\n'), 0, 0);
        if (!mode.isEmpty()) {
            return QString(mode).replace(QLatin1Char('x'), QStringLiteral(" x "));
        }
    }
    return {};
}

VideoControllerInfo describeCard(const QString& root, const QString& drmFolder,
                                 const QString& card) {
    const QString device = drmFolder + QLatin1Char('/') + card + QStringLiteral("/device");
    const QString vendorId = pciId(readTrimmed(device + QStringLiteral("/vendor")));
    const QString deviceId = pciId(readTrimmed(device + QStringLiteral("/device")));
    const QString driver =
        QFileInfo(QFileInfo(device + QStringLiteral("/driver")).symLinkTarget()).fileName();

    VideoControllerInfo adapter;
    if (!vendorId.isEmpty()) {
        adapter.Name = pciDatabaseName(root, vendorId, deviceId);
        if (adapter.Name.isEmpty()) {
            adapter.Name = QStringLiteral("PCI %1:%2").arg(vendorId, deviceId);
        }
    } else {
        adapter.Name = driver.isEmpty() ? card : driver;
    }
    const QString vram = readTrimmed(device + QStringLiteral("/mem_info_vram_total"));
    bool vramOk = false;
    vram.toULongLong(&vramOk);
    if (vramOk) {
        adapter.AdapterRAM = vram;
    }
    adapter.DriverVersion = driver;
    if (!driver.isEmpty()) {
        const QString version = readTrimmed(root + QStringLiteral("/sys/module/") + driver +
                                            QStringLiteral("/version"));
        if (!version.isEmpty()) {
            adapter.DriverVersion += QLatin1Char(' ') + version;
        }
    }
    adapter.VideoModeDescription = currentMode(drmFolder, card);
    return adapter;
}

}  // namespace

std::vector<CacheMemoryInfo> ReadCacheMemories(const QString& root) {
    const QString folder = root + QStringLiteral("/sys/devices/system/cpu/cpu0/cache");
    std::map<int, std::int64_t> sizeByLevel;
    for (const QString& index : numberedEntries(folder, QStringLiteral("index"))) {
        const QString entry = folder + QLatin1Char('/') + index + QLatin1Char('/');
        bool levelOk = false;
        const int level = readTrimmed(entry + QStringLiteral("level")).toInt(&levelOk);
        if (levelOk) {
            sizeByLevel[level] += cacheSizeKB(readTrimmed(entry + QStringLiteral("size")));
        }
    }
    std::vector<CacheMemoryInfo> caches;
    for (const auto& [level, sizeKB] : sizeByLevel) {
        caches.push_back({QStringLiteral("L%1-Cache").arg(level),
                          QStringLiteral("Cache Memory %1").arg(caches.size()),
                          QString::number(sizeKB)});
    }
    return caches;
}

std::vector<VideoControllerInfo> ReadVideoControllers(const QString& root) {
    const QString drmFolder = root + QStringLiteral("/sys/class/drm");
    std::vector<VideoControllerInfo> adapters;
    for (const QString& card : numberedEntries(drmFolder, QStringLiteral("card"))) {
        if (QFileInfo(drmFolder + QLatin1Char('/') + card + QStringLiteral("/device")).isDir()) {
            adapters.push_back(describeCard(root, drmFolder, card));
        }
    }
    return adapters;
}

std::vector<ComputerSystemInfo> ReadComputerSystems(const QString& root) {
    const QString folder = root + QStringLiteral("/sys/class/dmi/id/");
    if (!QFileInfo(folder).isDir()) {
        return {};
    }
    return {{readTrimmed(folder + QStringLiteral("sys_vendor")),
             readTrimmed(folder + QStringLiteral("product_name"))}};
}

QString LookUpPciName(const QString& database, const QString& vendorId, const QString& deviceId) {
    QString vendorName;
    for (const QString& line : database.split(QLatin1Char('\n'))) {
        if (vendorName.isEmpty()) {
            // Vendor lines: "10de  NVIDIA Corporation".
            if (line.startsWith(vendorId + QStringLiteral("  "))) {
                vendorName = line.mid(vendorId.size()).trimmed();
            }
            continue;
        }
        if (!line.startsWith(QLatin1Char('\t'))) {
            if (!line.startsWith(QLatin1Char('#')) && !line.trimmed().isEmpty()) {
                break;  // the next vendor: the device is not listed
            }
            continue;
        }
        // Device lines: one tab, "2504  GA106 [GeForce RTX 3060]".
        if (line.size() > 1 && line[1] != QLatin1Char('\t') &&
            line.mid(1).startsWith(deviceId + QStringLiteral("  "))) {
            return vendorName + QLatin1Char(' ') + line.mid(1 + deviceId.size()).trimmed();
        }
    }
    return vendorName;
}

}  // namespace bm
