#include <gtest/gtest.h>

#include <QTimeZone>

#include "shell/CannedMachine.h"
#include "shell/EnvironmentReport.h"
#include "shell/EnvironmentSource.h"
#include "shell/HardwareSource.h"
#include "support/TempFolder.h"

using namespace bm;

namespace {

const QDateTime Now(QDate(2024, 3, 15), QTime(12, 34, 56, 789), QTimeZone(9 * 3600));

struct EnvironmentSourceTest : ::testing::Test {
    test::TempFolder folder;
    test::CannedMachine machine{folder.path()};
    EnvironmentSource source{folder.path(), Now, QStringLiteral("fallback-arch")};
};

}  // namespace

// The canned machine's figures are checked through the report; these are
// the fallbacks it does not show.
TEST_F(EnvironmentSourceTest, OperatingSystemNameFallbacksAndUserCount) {
    EXPECT_EQ(ReadMachineEnvironment(source)->operatingSystems[0].NumberOfUsers, "2");
    const std::vector<std::pair<QByteArray, QString>> releases = {
        {"NAME='Plain Linux'\nPRETTY_NAME=\"Say \\\"hi\\\"\"\n", "Say \"hi\""},
        {"NAME='Plain Linux'\n", "Plain Linux"},
    };
    for (const auto& [release, caption] : releases) {
        machine.write("etc/os-release", release);
        EXPECT_EQ(ReadMachineEnvironment(source)->operatingSystems[0].Caption, caption);
    }
    machine.remove("etc/os-release");
    machine.write("usr/lib/os-release", "ID=x\n");
    EXPECT_EQ(ReadMachineEnvironment(source)->operatingSystems[0].Caption, "Linux");
    machine.remove("run/utmp");
    EXPECT_EQ(ReadMachineEnvironment(source)->operatingSystems[0].NumberOfUsers, "0");
}

TEST(WmiDateTime, OffsetInMinutesWithSign) {
    EXPECT_EQ(
        WmiDateTime(QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59, 5), QTimeZone(-5 * 3600))),
        "20231231235959.005000-300");
    EXPECT_EQ(WmiDateTime(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone(0))),
              "20240102030405.000000+000");
    EXPECT_EQ(WmiDateTime(QDateTime()), "");
}

TEST_F(EnvironmentSourceTest, ProcessorsWithoutPackageIdsAreOnePerModel) {
    // No package ids (many ARM boards and VMs): one entry per distinct model;
    // the board's own block carries no processor number and is not a CPU.
    machine.remove("proc/sys/kernel/arch");
    machine.write("proc/cpuinfo",
                  "processor\t: 0\nmodel name\t: Cortex-A72\nCPU revision\t: 3\n\n"
                  "processor\t: 1\nmodel name\t: Cortex-A72\nCPU revision\t: 3\n\n"
                  "processor\t: 2\nmodel name\t: Cortex-A53\nCPU revision\t: 4\n\n"
                  "Hardware\t: BCM2835\nModel\t: Raspberry Pi\n");
    const auto cpus = ReadMachineEnvironment(source)->processors;
    ASSERT_EQ(cpus.size(), 2u);
    EXPECT_EQ(cpus[0].Name, "Cortex-A72");
    EXPECT_EQ(cpus[0].Revision, "3");
    EXPECT_EQ(cpus[0].Description, "fallback-arch");
    EXPECT_EQ(cpus[1].Name, "Cortex-A53");
}

TEST_F(EnvironmentSourceTest, VideoControllersInCardOrder) {
    machine.write("sys/class/drm/card10/device/vendor", "0x8086\n");
    machine.write("sys/class/drm/card1-HDMI-A-1/status", "connected\n");
    auto cards = ReadVideoControllers(folder.path());
    ASSERT_EQ(cards.size(), 3u);  // the first card is checked through the report
    EXPECT_EQ(cards[1].Name, "NVIDIA Corporation GA106 [GeForce RTX 3060 Lite Hash Rate]");
    EXPECT_FALSE(cards[1].AdapterRAM.has_value());
    EXPECT_EQ(cards[1].DriverVersion, "nvidia 550.54.14");
    EXPECT_EQ(cards[1].VideoModeDescription, "");   // connected but no modes
    EXPECT_EQ(cards[2].Name, "Intel Corporation");  // vendor listed, device not

    machine.remove("usr/share/misc/pci.ids");
    EXPECT_EQ(ReadVideoControllers(folder.path())[1].Name, "PCI 10de:2504");
}

TEST(PciNames, DeviceIsLookedUpUnderItsOwnVendorOnly) {
    const QString db = QStringLiteral(
        "1002  AMD\n\t1234  Other\n\t\t2504 0001  Subsystem, not a device\n"
        "10de  NVIDIA Corporation\n\t2504  GA106\n8086  Intel Corporation\n");
    EXPECT_EQ(LookUpPciName(db, "10de", "2504"), "NVIDIA Corporation GA106");
    EXPECT_EQ(LookUpPciName(db, "1002", "2504"), "AMD");
    EXPECT_EQ(LookUpPciName(db, "8086", "9a49"), "Intel Corporation");
    EXPECT_EQ(LookUpPciName(db, "abcd", "0001"), "");
}

TEST_F(EnvironmentSourceTest, MissingEssentialSourceGivesNoReportAtAll) {
    for (const char* essential :
         {"etc/os-release", "proc/sys/kernel/ostype", "proc/sys/kernel/osrelease",
          "proc/sys/kernel/version", "proc/uptime", "proc/cpuinfo", "proc/meminfo"}) {
        test::TempFolder other;
        test::CannedMachine broken(other.path());
        broken.remove(essential);
        const EnvironmentSource where{other.path(), Now, {}};
        EXPECT_FALSE(ReadMachineEnvironment(where)) << essential;
        EXPECT_FALSE(EnvironmentReportJa(where)) << essential;
        EXPECT_FALSE(EnvironmentReportEn(where)) << essential;
    }
    machine.write("proc/meminfo", "MemTotal: 100 kB\nMemFree: 50 kB\nSwapFree: 0 kB\n");
    EXPECT_FALSE(ReadMachineEnvironment(source));
    machine.write("proc/meminfo",
                  "MemTotal: 100 kB\nMemFree: 50 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n");
    for (const char* uptime : {"soon\n", "-1 0\n", "1e300 0\n"}) {
        machine.write("proc/uptime", uptime);
        EXPECT_FALSE(ReadMachineEnvironment(source)) << uptime;
    }
}

TEST_F(EnvironmentSourceTest, OptionalHardwareMissingLeavesItsLinesOut) {
    machine.remove("sys");
    const auto env = ReadMachineEnvironment(source);
    ASSERT_TRUE(env);
    EXPECT_TRUE(env->caches.empty());
    EXPECT_TRUE(env->videoControllers.empty());
    EXPECT_TRUE(env->computerSystems.empty());
    EXPECT_EQ(env->processors.size(), 2u);
}

TEST_F(EnvironmentSourceTest, MemoryStatusForTheClosingEntry) {
    auto status = ReadMemoryStatus(source);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->availablePhysicalKB, 8000000);
    EXPECT_EQ(status->memoryLoad, 50);  // 8318412 of 16318412 kB in use
    machine.write("proc/meminfo", "MemTotal: 1000 kB\nMemFree: 250 kB\n");
    EXPECT_EQ(ReadMemoryStatus(source)->memoryLoad, 75);
    machine.write("proc/meminfo", "MemFree: 250 kB\n");
    EXPECT_FALSE(ReadMemoryStatus(source));
}
