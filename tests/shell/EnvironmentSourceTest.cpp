#include <gtest/gtest.h>

#include <QTimeZone>

#include "shell/CannedMachine.h"
#include "shell/EnvironmentReport.h"
#include "shell/EnvironmentSource.h"
#include "support/TempFolder.h"

using namespace bm;

namespace {

const QDateTime Now(QDate(2024, 3, 15), QTime(12, 34, 56, 789), QTimeZone(9 * 3600));

}  // namespace

// The canned machine's figures are checked through the golden report; these
// are the fallbacks it does not show, one change of the machine per row.
TEST(EnvironmentSource, FallsBackWhereTheMachineSaysLess) {
    std::vector<std::pair<std::function<void(const test::CannedMachine&)>, const char*>> rows = {
        {[](auto& m) { m.write("etc/os-release", "NAME=A\nPRETTY_NAME=\"Say \\\"hi\\\"\"\n"); },
         "OperatingSystem : Say \"hi\"\r\n"},
        {[](auto& m) { m.write("etc/os-release", "NAME='Plain Linux'\n"); },
         "OperatingSystem : Plain Linux\r\n"},
        {[](auto& m) {
             m.remove("etc/os-release");
             m.write("usr/lib/os-release", "ID=x\n");
         },
         "OperatingSystem : Linux\r\n"},
        {[](auto& m) { m.remove("run/utmp"); }, "ProcessorUse : 0\r\n"},
        // No package ids (ARM boards, VMs): one entry per model; the
        // board's own block has no processor number and is no processor.
        {[](auto& m) {
             m.remove("proc/sys/kernel/arch");
             m.write("proc/cpuinfo",
                     "processor\t: 0\nmodel name\t: Cortex-A72\nCPU revision\t: 3\n\n"
                     "processor\t: 1\nmodel name\t: Cortex-A72\nCPU revision\t: 3\n\n"
                     "processor\t: 2\nmodel name\t: Cortex-A53\nCPU revision\t: 4\n\n"
                     "Hardware\t: BCM2835\nModel\t: Raspberry Pi\n");
         },
         "Processor : Cortex-A72\r\n　　　Revision : 3\r\n　　　fallback-arch\r\n"
         "　　Processor : Cortex-A53\r\n"},
        {[](auto& m) { m.remove("usr/share/misc/pci.ids"); }, "GraphicAdapter : PCI 1002:73bf\r\n"},
        {[](auto& m) { m.write("sys/class/drm/card0/device/device", "0x9999\n"); },
         "GraphicAdapter : Advanced Micro Devices, Inc. [AMD/ATI]\r\n"},
        {[](auto& m) { m.remove("sys/class/drm/card0-DP-2/modes"); }, "GraphicMode : \r\n"},
        // The next card: no memory size, the driver module's version.
        {[](auto& m) { m.remove("sys/class/drm/card0"); },
         "GraphicAdapter : NVIDIA Corporation GA106 [GeForce RTX 3060 Lite Hash Rate]\r\n"
         "　　　AdapterRAM :  Byte\r\n　　　　DriverVersion : nvidia 550.54.14\r\n"},
    };
    // Without /sys the report goes on without caches, cards and maker.
    rows.emplace_back([](auto& m) { m.remove("sys"); }, "18,415,560 Byte\r\n");
    for (const auto& [change, line] : rows) {
        test::TempFolder folder;
        test::CannedMachine machine(folder.path());
        change(machine);
        const auto report = EnvironmentReportEn({folder.path(), Now, "fallback-arch"});
        ASSERT_TRUE(report) << line;
        EXPECT_TRUE(report->contains(QString::fromUtf8(line))) << line << "\n"
                                                               << report->toStdString();
    }
}

// A missing essential file (an empty row) or a damaged one gives no report.
TEST(EnvironmentSource, MissingOrDamagedEssentialSourceGivesNoReportAtAll) {
    const std::vector<std::pair<const char*, QByteArray>> rows = {
        {"etc/os-release", {}},
        {"proc/sys/kernel/ostype", {}},
        {"proc/sys/kernel/osrelease", {}},
        {"proc/sys/kernel/version", {}},
        {"proc/uptime", {}},
        {"proc/cpuinfo", {}},
        {"proc/meminfo", {}},
        {"proc/meminfo", "MemTotal: 100 kB\nMemFree: 50 kB\nSwapFree: 0 kB\n"},
        {"proc/uptime", "soon\n"},
        {"proc/uptime", "-1 0\n"},
        {"proc/uptime", "1e300 0\n"},
    };
    for (const auto& [file, content] : rows) {
        test::TempFolder folder;
        test::CannedMachine machine(folder.path());
        content.isNull() ? machine.remove(file) : machine.write(file, content);
        const EnvironmentSource where{folder.path(), Now, {}};
        EXPECT_FALSE(ReadMachineEnvironment(where)) << file << content.constData();
        EXPECT_FALSE(EnvironmentReportJa(where)) << file;
    }
}
