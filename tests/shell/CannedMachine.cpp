#include "shell/CannedMachine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace bm::test {

namespace {

QByteArray cpuBlock(int processor, int package, int stepping) {
    return QByteArrayLiteral("processor\t: ") + QByteArray::number(processor) +
           "\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: 85\n"
           "model name\t: Intel(R) Xeon(R) Gold 6248 CPU @ 2.50GHz  \nstepping\t: " +
           QByteArray::number(stepping) + "\nphysical id\t: " + QByteArray::number(package) +
           "\ncore id\t\t: " + QByteArray::number(processor % 2) + "\n\n";
}

// utmp records of the given types, 384 bytes each.
QByteArray utmpRecords(std::initializer_list<short> types) {
    QByteArray bytes;
    for (short type : types) {
        QByteArray record(384, '\0');
        std::memcpy(record.data(), &type, sizeof type);
        bytes += record;
    }
    return bytes;
}

}  // namespace

CannedMachine::CannedMachine(QString root) : root_(std::move(root)) {
    write("etc/os-release",
          "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n");
    write("proc/sys/kernel/ostype", "Linux\n");
    write("proc/sys/kernel/osrelease", "6.1.0-18-amd64\n");
    write("proc/sys/kernel/version", "#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)\n");
    write("proc/sys/kernel/arch", "x86_64\n");
    write("proc/uptime", "3725.50 7000.00\n");
    write("proc/meminfo",
          "MemTotal:       16318412 kB\nMemFree:         1234567 kB\n"
          "MemAvailable:    8000000 kB\nSwapTotal:       2097148 kB\n"
          "SwapFree:        2000000 kB\n");
    write("proc/cpuinfo",
          cpuBlock(0, 0, 7) + cpuBlock(1, 0, 7) + cpuBlock(2, 1, 6) + cpuBlock(3, 1, 6));
    write("run/utmp", utmpRecords({2, 7, 8, 7}));

    const QByteArray caches[][3] = {{"1", "Data", "32K"},
                                    {"1", "Instruction", "32K"},
                                    {"2", "Unified", "1024K"},
                                    {"3", "Unified", "27M"}};
    for (int i = 0; i < 4; ++i) {
        const QString dir = QStringLiteral("sys/devices/system/cpu/cpu0/cache/index%1/").arg(i);
        write(dir + "level", caches[i][0] + "\n");
        write(dir + "type", caches[i][1] + "\n");
        write(dir + "size", caches[i][2] + "\n");
    }

    write("sys/class/drm/card0/device/vendor", "0x1002\n");
    write("sys/class/drm/card0/device/device", "0x73bf\n");
    write("sys/class/drm/card0/device/mem_info_vram_total", "17163091968\n");
    link("sys/class/drm/card0/device/driver", "sys/bus/pci/drivers/amdgpu");
    write("sys/class/drm/card0-DP-1/status", "disconnected\n");
    write("sys/class/drm/card0-DP-2/status", "connected\n");
    write("sys/class/drm/card0-DP-2/modes", "2560x1440\n1920x1080\n");
    write("sys/class/drm/card1/device/vendor", "0x10de\n");
    write("sys/class/drm/card1/device/device", "0x2504\n");
    link("sys/class/drm/card1/device/driver", "sys/bus/pci/drivers/nvidia");
    write("sys/module/nvidia/version", "550.54.14\n");
    write("usr/share/misc/pci.ids",
          "# comment\n1002  Advanced Micro Devices, Inc. [AMD/ATI]\n"
          "\t73bf  Navi 21 [Radeon RX 6800/6800 XT / 6900 XT]\n"
          "\t\t1002 0e3a  Radeon RX 6900 XT\n"
          "10de  NVIDIA Corporation\n\t2504  GA106 [GeForce RTX 3060 Lite Hash Rate]\n"
          "8086  Intel Corporation\n");

    write("sys/class/dmi/id/sys_vendor", "ASUS\n");
    write("sys/class/dmi/id/product_name", " System Product Name \n");
}

void CannedMachine::write(const QString& relativePath, const QByteArray& content) const {
    const QString path = root_ + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(content);
    }
}

void CannedMachine::remove(const QString& relativePath) const {
    const QString path = root_ + QLatin1Char('/') + relativePath;
    if (QFileInfo(path).isDir()) {
        QDir(path).removeRecursively();
    } else {
        QFile::remove(path);
    }
}

void CannedMachine::link(const QString& relativePath, const QString& target) const {
    const QString path = root_ + QLatin1Char('/') + relativePath;
    QDir().mkpath(root_ + QLatin1Char('/') + target);
    QDir().mkpath(QFileInfo(path).path());
    QFile::link(root_ + QLatin1Char('/') + target, path);
}

}  // namespace bm::test
