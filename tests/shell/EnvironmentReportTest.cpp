#include <gtest/gtest.h>

#include <QTimeZone>

#include "app/Cp932.h"
#include "shell/CannedMachine.h"
#include "shell/EnvironmentReport.h"
#include "shell/EnvironmentSource.h"
#include "support/TestContext.h"

using namespace bm;

namespace {

const QDateTime Now(QDate(2024, 3, 15), QTime(12, 34, 56, 789), QTimeZone(9 * 3600));

const char* const ExpectedJa =
    "実行環境情報\r\n"
    "　　オペレーティングシステム : Debian GNU/Linux 12 (bookworm)\r\n"
    "　　　　バージョン : 6.1.0-18-amd64\r\n"
    "　　　　サービスパック : 0.0\r\n"
    "　　経過時間 : 20240315-123456\r\n"
    "　　起動時間 : 20240315-113251\r\n"
    "　　#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)\r\n"
    "　　　　使用プロセッサ : 2\r\n"
    "　　プロセッサ : Intel(R) Xeon(R) Gold 6248 CPU @ 2.50GHz\r\n"
    "　　　　リビジョン : 21767\r\n"
    "　　　　x86_64 Family 6 Model 85 Stepping 7\r\n"
    "　　プロセッサ : Intel(R) Xeon(R) Gold 6248 CPU @ 2.50GHz\r\n"
    "　　　　リビジョン : 21766\r\n"
    "　　　　x86_64 Family 6 Model 85 Stepping 6\r\n"
    "　　キャッシュメモリ : L1-Cache = 64 kByte\r\n"
    "　　キャッシュメモリ : L2-Cache = 1,024 kByte\r\n"
    "　　キャッシュメモリ : L3-Cache = 27,648 kByte\r\n"
    "　　物理メモリ 空き/最大 : 1,234,567 / 16,318,412 Byte\r\n"
    "　　仮想メモリ 空き/最大 : 3,234,567 / 18,415,560 Byte\r\n"
    "　　グラフィックアダプタ : Advanced Micro Devices, Inc. [AMD/ATI] Navi 21 [Radeon RX "
    "6800/6800 XT / 6900 XT]\r\n"
    "　　　　グラフィックメモリ : 17,163,091,968 Byte\r\n"
    "　　　　ドライババージョン : amdgpu\r\n"
    "　　　　画面設定 : 2560 x 1440\r\n"
    "　　製造メーカー : ASUS\r\n"
    "　　　　モデル名 : System Product Name\r\n";

const char* const ExpectedEn =
    "Operating Environment Information\r\n"
    "　　OperatingSystem : Debian GNU/Linux 12 (bookworm)\r\n"
    "　　　Version : 6.1.0-18-amd64\r\n"
    "　　　ServicePack : 0.0\r\n"
    "　　NowLocalTime : 20240315-123456\r\n"
    "　　　LastBootTime : 20240315-113251\r\n"
    "　　#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)\r\n"
    "　　　ProcessorUse : 2\r\n"
    "　　Processor : Intel(R) Xeon(R) Gold 6248 CPU @ 2.50GHz\r\n"
    "　　　Revision : 21767\r\n"
    "　　　x86_64 Family 6 Model 85 Stepping 7\r\n"
    "　　Processor : Intel(R) Xeon(R) Gold 6248 CPU @ 2.50GHz\r\n"
    "　　　Revision : 21766\r\n"
    "　　　x86_64 Family 6 Model 85 Stepping 6\r\n"
    "　　CacheMemory : L1-Cache = 64 kByte\r\n"
    "　　CacheMemory : L2-Cache = 1,024 kByte\r\n"
    "　　CacheMemory : L3-Cache = 27,648 kByte\r\n"
    "　　FreePhysicalMemory : 1,234,567 / 16,318,412 Byte\r\n"
    "　　　FreeVirtualMemory : 3,234,567 / 18,415,560 Byte\r\n"
    "　　GraphicAdapter : Advanced Micro Devices, Inc. [AMD/ATI] Navi 21 [Radeon RX 6800/6800 XT / "
    "6900 XT]\r\n"
    "　　　AdapterRAM : 17,163,091,968 Byte\r\n"
    "　　　　DriverVersion : amdgpu\r\n"
    "　　　GraphicMode : 2560 x 1440\r\n"
    "　　Manufacturer : ASUS\r\n"
    "　　　Model : System Product Name\r\n";

}  // namespace

TEST(EnvironmentReport, FullMachineJapaneseReportByteExact) {
    test::TempFolder folder;
    test::CannedMachine machine(folder.path());
    const EnvironmentSource source{folder.path(), Now, {}};
    EXPECT_EQ(EnvironmentReportJa(source), QString::fromUtf8(ExpectedJa));
    EXPECT_EQ(EnvironmentReportText(MachineEnvironment{}, ReportLanguage::Japanese),
              QString::fromUtf8("実行環境情報\r\n"));
    // Every character survives the trip into the CP932 debug log.
    EXPECT_EQ(cp932::decode(cp932::encode(QString::fromUtf8(ExpectedJa))),
              QString::fromUtf8(ExpectedJa));
}

TEST(OperatingInformation, EnglishReportAndMemoryLineAsOneLogEntry) {
    test::TempFolder machineRoot;
    test::CannedMachine machine(machineRoot.path());
    test::TestContext<> t;
    t.platform.setNow(Now);
    const EnvironmentSource source{machineRoot.path(), Now, {}};
    const QString memoryLine =
        QString::fromUtf8("　　Available Physical Memory 8,000,000 kByte    50 %\r\n");
    const QString entry = "2024/03/15 12:34:56 OperatingInformation\r\n";

    OperatingInformation(t.ctx, source);
    const QString written = cp932::decode(test::TempFolder::readBytes(t.log.path()));
    EXPECT_EQ(written, entry + QString::fromUtf8(ExpectedEn) + memoryLine + "\r\n");

    // Without a report the entry still carries the memory figures.
    machine.remove("proc/cpuinfo");
    OperatingInformation(t.ctx, source);
    const QString second = cp932::decode(test::TempFolder::readBytes(t.log.path()));
    EXPECT_TRUE(second.endsWith(entry + memoryLine + "\r\n")) << second.toStdString();
}

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
