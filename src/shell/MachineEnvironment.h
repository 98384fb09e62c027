#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace bm {

// What the environment report tells about the machine, held as texts the
// way a management query returns them: numbers as decimal texts, dates and
// times as "yyyymmddHHMMSS.mmmmmm+zzz" (zzz = minutes east of UTC), sizes in
// the units named below. Each group is a list because the report walks
// every object of its kind; a group that is empty simply adds no lines.

struct OperatingSystemInfo {
    QString Caption;
    QString Version;
    QString ServicePackMajorVersion;
    QString ServicePackMinorVersion;
    QString LocalDateTime;
    QString LastBootUpTime;
    QString BuildType;
    QString NumberOfUsers;
    QString FreePhysicalMemory;      // kB
    QString TotalVisibleMemorySize;  // kB
    QString FreeVirtualMemory;       // kB
    QString TotalVirtualMemorySize;  // kB
};

struct ProcessorInfo {
    QString Name;
    QString Revision;
    QString Description;
};

struct CacheMemoryInfo {
    QString Purpose;
    QString DeviceId;
    QString MaxCacheSize;  // kB
};

struct VideoControllerInfo {
    QString Name;
    std::optional<QString> AdapterRAM;  // bytes; nullopt when unknown
    QString DriverVersion;
    QString VideoModeDescription;
};

struct ComputerSystemInfo {
    QString Manufacturer;
    QString Model;
};

struct MachineEnvironment {
    std::vector<OperatingSystemInfo> operatingSystems;
    std::vector<ProcessorInfo> processors;
    std::vector<CacheMemoryInfo> caches;
    std::vector<VideoControllerInfo> videoControllers;
    std::vector<ComputerSystemInfo> computerSystems;
};

}  // namespace bm
