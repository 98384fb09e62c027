#pragma once

#include <QString>
#include <vector>

#include "shell/MachineEnvironment.h"

namespace bm {

// The hardware parts of the machine description, read from /sys below
// `root` ("" for the running machine). A missing folder means the machine
// has none of that kind to report: the list comes back empty.

// Caches of the first processor core, one entry per level.
std::vector<CacheMemoryInfo> ReadCacheMemories(const QString& root);
// Graphics adapters of /sys/class/drm, in card order.
std::vector<VideoControllerInfo> ReadVideoControllers(const QString& root);
// The DMI vendor and product name.
std::vector<ComputerSystemInfo> ReadComputerSystems(const QString& root);

// "Vendor Device" from a PCI id database text (pci.ids layout) for ids such
// as "10de" and "2504"; empty when the vendor is not listed. A vendor without
// the device gives the vendor's name alone.
QString LookUpPciName(const QString& database, const QString& vendorId, const QString& deviceId);

}  // namespace bm
