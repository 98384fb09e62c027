#pragma once

#include <QString>
#include <optional>

#include "shell/EnvironmentSource.h"
#include "shell/MachineEnvironment.h"

namespace bm {

struct AppContext;

enum class ReportLanguage { Japanese, English };

// The report text of a machine description: the title line, the operating
// system lines, the processors, the caches, then the memory lines (which
// are collected with the operating system but follow the caches), the
// first graphics adapter and the computer model. Every line ends in CR LF.
QString EnvironmentReportText(const MachineEnvironment& machine, ReportLanguage language);

// The Japanese report shown in the log pane and the English one written to
// the debug log. nullopt when the machine description cannot be read: then
// there is no partial text.
std::optional<QString> EnvironmentReportJa(const EnvironmentSource& source);
std::optional<QString> EnvironmentReportEn(const EnvironmentSource& source);

// Writes "OperatingInformation", the English report and the available
// physical memory with the percentage of memory still free to the debug
// log, as one entry. When the report cannot be built, the entry holds the
// memory line alone.
void OperatingInformation(AppContext& ctx);
void OperatingInformation(AppContext& ctx, const EnvironmentSource& source);

}  // namespace bm
