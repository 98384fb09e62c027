#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SimAction.h"

// Plain C++ without Qt, shared with the Win32 stand-in (tools/statusbar-win).

namespace bm::sim {

// A line of the schedule: when it runs (seconds from the start) and what it does.
struct ScheduleCommand {
    double atSeconds = 0;
    std::vector<SimAction> actions;
    std::string text;
};

// A command, an error text, or neither (a blank line or a comment).
struct ScheduleParse {
    std::optional<ScheduleCommand> command;
    std::string error;
};

// Reads one line. A line without "at" runs at `defaultAt`, the time of the
// line before it.
ScheduleParse parseScheduleLine(const std::string& line, double defaultAt);

// Exp text such as "12.34", "7.5" or "100" in hundredths; nullopt when it is
// not a number the status bar can show.
std::optional<std::int64_t> parseExpHundredths(const std::string& text);

}  // namespace bm::sim
