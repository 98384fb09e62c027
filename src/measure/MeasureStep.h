#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace bm {

struct MeasureContext;
class Platform;

// The popup shown when a pay record line cannot be written during a run.
extern const QString PayRecordFolderPopup;

// Validates the latest readings, detects a change of character, computes
// the gains and hourly rates since the previous accepted capture and writes
// the log box line, the pay record line and the graph sample.
void MeasureStep(MeasureContext& m);

// "mm/dd hh:mm", the time stamp of a log box line and a pay record line.
QString LineStamp(const QDateTime& when);

// The millisecond clock in whole seconds (nearest, an exact half to even).
std::int32_t ClockSeconds(Platform& platform);

// Seconds from `since` to `now` on the seconds clock; a clock that wrapped
// past its 32-bit end in between still gives the time that passed.
std::int32_t SecondsBetween(std::int32_t since, std::int32_t now);

}  // namespace bm
