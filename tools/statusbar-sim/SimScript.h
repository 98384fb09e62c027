#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "SimState.h"

namespace bm::sim {

// One action of a command line.
struct SimAction {
    enum class Kind {
        SetValue,    // field, value
        Hide,        // field
        Show,        // field
        Unreadable,  // field
        Mode,        // flag: full screen
        Position,    // value 1 or 2
        LvSet,       // flag: Windows 7 level glyphs
        FocusAway,
        FocusBack,
        Move,  // x, y
        Close,
    };
    Kind kind = Kind::Close;
    Field field = Field::Lv;
    std::int64_t value = 0;
    bool flag = false;
    int x = 0;
    int y = 0;
};

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

// Applies the actions that change the drawing; focus, move and close are
// the window's business and are skipped here.
void applyToState(const SimAction& action, SimState& state);

// Exp text such as "12.34", "7.5" or "100" in hundredths; nullopt when it
// is not a number the status bar can show.
std::optional<std::int64_t> parseExp(const QString& text);

}  // namespace bm::sim
