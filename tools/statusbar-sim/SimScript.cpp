#include "SimScript.h"

#include "ScheduleLine.h"

namespace bm::sim {

std::optional<std::int64_t> parseExp(const QString& text) {
    return parseExpHundredths(text.toStdString());
}

SimParse parseSimLine(const QString& line, double defaultAt) {
    const ScheduleParse parsed = parseScheduleLine(line.toStdString(), defaultAt);
    SimParse result;
    result.error = QString::fromStdString(parsed.error);
    if (parsed.command) {
        result.command = SimCommand{parsed.command->atSeconds, parsed.command->actions,
                                    QString::fromStdString(parsed.command->text)};
    }
    return result;
}

}  // namespace bm::sim
