#pragma once

#include <cstdint>

namespace bm {

struct MeasureContext;

// Modes of ChangeLogging.
namespace logging {
inline constexpr int Start = 4096;
inline constexpr int Stop = 8192;
}  // namespace logging

// Starts (4096) or stops (8192) a measuring run; any other mode does nothing.
// A start launches the configured applications, switches the capture timer
// on with the first capture 15 seconds away and writes the column header; a
// stop switches it off and drops the references, so that the next run starts
// with a new baseline (the money reference stays).
void ChangeLogging(MeasureContext& m, int mode);

// Suspends a running measurement, or resumes a suspended one: a resume waits
// `waitSec` seconds and then runs the capture timer's tick at once.
void ChangeSuspend(MeasureContext& m, std::int32_t waitSec = 0);

}  // namespace bm
