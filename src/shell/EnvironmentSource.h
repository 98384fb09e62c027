#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

#include "shell/MachineEnvironment.h"

namespace bm {

// Where the machine facts come from on Linux. Every file is read below
// `root` ("" for the running machine; tests point it at a canned tree), and
// the moment of the report is given, so nothing here reads the clock.
struct EnvironmentSource {
    QString root;
    QDateTime now;
    // Used for the processor description when the kernel does not publish
    // its architecture name in /proc/sys/kernel/arch.
    QString architecture;

    // The running machine at the local time `now`.
    static EnvironmentSource thisMachine(const QDateTime& now);
};

// Reads the machine description.
//
// Operating system: the distribution's PRETTY_NAME (/etc/os-release, else
// /usr/lib/os-release; NAME, then the kernel name when it has none), the
// kernel release as the version and the kernel's build string as the build
// type; there are no service packs, both numbers are "0". The local time is
// `now`, the boot time `now` minus /proc/uptime. The number of users counts
// the login sessions in utmp ("0" when the system keeps no utmp). Memory
// comes from /proc/meminfo: free/total physical = MemFree/MemTotal, free/total
// virtual = MemFree+SwapFree / MemTotal+SwapTotal, all in kB.
//
// Processors: one per physical package of /proc/cpuinfo ("physical id"),
// or, where the kernel lists none, one per distinct model. Revision is
// model * 256 + stepping, as the x86 processor revision is numbered
// elsewhere; Description reads "<arch> Family <f> Model <m> Stepping <s>".
//
// Caches: the caches of the first processor core, one entry per level (its
// data and instruction caches together), "L<n>-Cache" / "Cache Memory <i>".
//
// Video controllers: /sys/class/drm/card<N> in card order. The name comes
// from the PCI id database when installed, else the PCI ids; the driver
// version is the driver's name and its module version when published; the
// adapter memory is known only where the driver publishes it; the mode is
// the first mode of the first connected output.
//
// Computer system: DMI vendor and product name (no entry without DMI).
//
// Returns nullopt when an essential source (os-release, the kernel identity,
// /proc/uptime, /proc/cpuinfo, /proc/meminfo with its four totals) is
// missing or unreadable: then there is no report at all.
std::optional<MachineEnvironment> ReadMachineEnvironment(const EnvironmentSource& source);

// The memory status logged when the program closes: available physical
// memory (MemAvailable, else MemFree) in kB and the memory load, the
// percentage of physical memory in use. nullopt when /proc/meminfo is
// missing or has no MemTotal.
struct MemoryStatus {
    std::int64_t availablePhysicalKB = 0;
    int memoryLoad = 0;
};
std::optional<MemoryStatus> ReadMemoryStatus(const EnvironmentSource& source);

// "yyyymmddHHMMSS.mmmmmm+zzz" of a date-time in its own time zone; empty
// for an invalid date-time.
QString WmiDateTime(const QDateTime& when);

}  // namespace bm
