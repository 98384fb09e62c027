#pragma once

#include <cstdint>

namespace bm {

struct MeasureContext;

// Modes of ChangeLogging.
enum class LoggingMode : int { Start = 4096, Stop = 8192 };

// Starts or stops a measuring run; any other mode does nothing.
// A start launches the configured applications, switches the capture timer
// on with the first capture 15 seconds away and writes the column header; a
// stop switches it off and drops the references, so that the next run starts
// with a new baseline (the money reference stays).
void ChangeLogging(MeasureContext& m, LoggingMode mode);

// Suspends a running measurement, or resumes a suspended one: a resume waits
// `waitSec` seconds and then runs the capture timer's tick at once.
void ChangeSuspend(MeasureContext& m, std::int32_t waitSec = 0);

}  // namespace bm
