#include "ScheduleLine.h"

#include <cstdlib>
#include <sstream>

namespace bm::sim {

namespace {

std::optional<Field> parseField(const std::string& word) {
    if (word == "lv") {
        return Field::Lv;
    }
    if (word == "exp") {
        return Field::Exp;
    }
    if (word == "money") {
        return Field::Money;
    }
    return std::nullopt;
}

bool allDigits(const std::string& text, size_t minimum, size_t maximum) {
    if (text.size() < minimum || text.size() > maximum) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<std::int64_t> parseWhole(const std::string& text, std::int64_t maximum) {
    if (!allDigits(text, 1, 12)) {
        return std::nullopt;
    }
    const std::int64_t value = std::stoll(text);
    return value <= maximum ? std::optional(value) : std::nullopt;
}

}  // namespace

std::optional<std::int64_t> parseExpHundredths(const std::string& text) {
    const size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    std::string decimals = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (!allDigits(whole, 1, 3) || (dot != std::string::npos && !allDigits(decimals, 1, 2))) {
        return std::nullopt;
    }
    decimals.resize(2, '0');
    const std::int64_t value = std::stoll(whole) * 100 + std::stoll(decimals);
    return value <= MaxExpHundredths ? std::optional(value) : std::nullopt;
}

namespace {

bool parseInt(const std::string& text, int& out) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    out = static_cast<int>(value);
    return *end == '\0';
}

// Reads the actions of one line after the optional "at T".
class LineReader {
public:
    explicit LineReader(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}

    bool done() const { return next_ >= tokens_.size(); }
    std::string take() { return done() ? std::string() : tokens_[next_++]; }
    std::optional<SimAction> action(std::string& error);

private:
    std::optional<SimAction> fieldAction(SimAction::Kind kind, const std::string& word,
                                         std::string& error) {
        const auto field = parseField(take());
        if (!field) {
            error = word + " needs lv, exp or money";
            return std::nullopt;
        }
        SimAction a;
        a.kind = kind;
        a.field = *field;
        return a;
    }
    std::optional<SimAction> choice(SimAction::Kind kind, const std::string& word,
                                    const std::string& first, const std::string& second,
                                    std::string& error) {
        const std::string value = take();
        if (value != first && value != second) {
            error = word + " needs " + first + " or " + second;
            return std::nullopt;
        }
        SimAction a;
        a.kind = kind;
        a.flag = value == second;
        return a;
    }

    std::vector<std::string> tokens_;
    size_t next_ = 0;
};

std::optional<SimAction> LineReader::action(std::string& error) {
    const std::string word = take();
    SimAction a;
    if (const auto field = parseField(word)) {
        const std::string text = take();
        const auto value = *field == Field::Lv      ? parseWhole(text, MaxLv)
                           : *field == Field::Money ? parseWhole(text, MaxMoney)
                                                    : parseExpHundredths(text);
        if (!value) {
            error = "bad value for " + word;
            return std::nullopt;
        }
        a.kind = SimAction::Kind::SetValue;
        a.field = *field;
        a.value = *value;
        return a;
    }
    if (word == "hide") {
        return fieldAction(SimAction::Kind::Hide, word, error);
    }
    if (word == "show") {
        return fieldAction(SimAction::Kind::Show, word, error);
    }
    if (word == "unreadable") {
        return fieldAction(SimAction::Kind::Unreadable, word, error);
    }
    if (word == "mode") {
        return choice(SimAction::Kind::Mode, word, "window", "fullscreen", error);
    }
    if (word == "position") {
        auto p = choice(SimAction::Kind::Position, word, "1", "2", error);
        if (p) {
            p->value = p->flag ? 2 : 1;
        }
        return p;
    }
    if (word == "lvset") {
        return choice(SimAction::Kind::LvSet, word, "standard", "win7", error);
    }
    if (word == "focus") {
        auto f = choice(SimAction::Kind::FocusAway, word, "away", "back", error);
        if (f && f->flag) {
            f->kind = SimAction::Kind::FocusBack;
        }
        return f;
    }
    if (word == "move") {
        if (!parseInt(take(), a.x) || !parseInt(take(), a.y)) {
            error = "move needs X Y";
            return std::nullopt;
        }
        a.kind = SimAction::Kind::Move;
        return a;
    }
    if (word == "close") {
        a.kind = SimAction::Kind::Close;
        return a;
    }
    error = "unknown command " + word;
    return std::nullopt;
}

}  // namespace

ScheduleParse parseScheduleLine(const std::string& line, double defaultAt) {
    ScheduleParse result;
    std::istringstream words(line);
    std::vector<std::string> tokens;
    for (std::string token; words >> token;) {
        tokens.push_back(token);
    }
    if (tokens.empty() || tokens.front()[0] == '#') {
        return result;
    }
    ScheduleCommand command;
    const char* blanks = " \t\r\n\f\v";
    command.text = line.substr(line.find_first_not_of(blanks),
                               line.find_last_not_of(blanks) + 1 - line.find_first_not_of(blanks));
    command.atSeconds = defaultAt;
    if (tokens.front() == "at") {
        char* end = nullptr;
        const char* text = tokens.size() > 1 ? tokens[1].c_str() : "";
        const double at = std::strtod(text, &end);
        if (end == text || *end != '\0' || !(at >= 0)) {
            result.error = "at needs a time in seconds";
            return result;
        }
        command.atSeconds = at;
        tokens.erase(tokens.begin(), tokens.begin() + std::min<size_t>(2, tokens.size()));
    }
    LineReader reader(tokens);
    while (!reader.done()) {
        auto action = reader.action(result.error);
        if (!action) {
            return result;
        }
        command.actions.push_back(*action);
    }
    result.command = command;
    return result;
}

}  // namespace bm::sim
