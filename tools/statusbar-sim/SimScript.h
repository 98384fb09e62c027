#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "SimAction.h"

namespace bm::sim {

// A line of the script: when it runs (seconds from start) and what it does.
struct SimCommand {
    double atSeconds = 0;
    std::vector<SimAction> actions;
    QString text;
};

// Result of reading one line: a command, an error text, or neither (a
// blank line or a comment).
struct SimParse {
    std::optional<SimCommand> command;
    QString error;
};

// Reads one script line. A line without "at" runs at `defaultAt`, the time
// of the line before it.
SimParse parseSimLine(const QString& line, double defaultAt);

// Exp text such as "12.34", "7.5" or "100" in hundredths; nullopt when it
// is not a number the status bar can show.
std::optional<std::int64_t> parseExp(const QString& text);

}  // namespace bm::sim
