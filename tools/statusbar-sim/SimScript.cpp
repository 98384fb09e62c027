#include "SimScript.h"

#include <QRegularExpression>
#include <QStringList>

namespace bm::sim {

namespace {

std::optional<Field> parseField(const QString& word) {
    if (word == QLatin1String("lv")) {
        return Field::Lv;
    }
    if (word == QLatin1String("exp")) {
        return Field::Exp;
    }
    if (word == QLatin1String("money")) {
        return Field::Money;
    }
    return std::nullopt;
}

std::optional<std::int64_t> parseWhole(const QString& text, std::int64_t maximum) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,12}$"));
    if (!digits.match(text).hasMatch()) {
        return std::nullopt;
    }
    const std::int64_t value = text.toLongLong();
    if (value > maximum) {
        return std::nullopt;
    }
    return value;
}

// Reads the tokens of one line after the optional "at T".
class LineReader {
public:
    explicit LineReader(QStringList tokens) : tokens_(std::move(tokens)) {}

    bool done() const { return next_ >= tokens_.size(); }
    std::optional<QString> take() {
        if (done()) {
            return std::nullopt;
        }
        return tokens_[next_++];
    }

    // Reads one action; sets `error` when the words make no sense.
    std::optional<SimAction> action(QString& error);

private:
    std::optional<SimAction> fieldAction(SimAction::Kind kind, const QString& word, QString& error);

    QStringList tokens_;
    qsizetype next_ = 0;
};

std::optional<SimAction> LineReader::fieldAction(SimAction::Kind kind, const QString& word,
                                                 QString& error) {
    const auto name = take();
    const auto field = name ? parseField(*name) : std::nullopt;
    if (!field) {
        error = word + QStringLiteral(" needs lv, exp or money");
        return std::nullopt;
    }
    SimAction a;
    a.kind = kind;
    a.field = *field;
    return a;
}

std::optional<SimAction> LineReader::action(QString& error) {
    const QString word = *take();
    SimAction a;
    if (const auto field = parseField(word)) {
        const auto text = take();
        std::optional<std::int64_t> value;
        if (text) {
            value = *field == Field::Lv      ? parseWhole(*text, MaxLv)
                    : *field == Field::Money ? parseWhole(*text, MaxMoney)
                                             : parseExp(*text);
        }
        if (!value) {
            error = QStringLiteral("bad value for ") + word;
            return std::nullopt;
        }
        a.kind = SimAction::Kind::SetValue;
        a.field = *field;
        a.value = *value;
        return a;
    }
    if (word == QLatin1String("hide")) {
        return fieldAction(SimAction::Kind::Hide, word, error);
    }
    if (word == QLatin1String("show")) {
        return fieldAction(SimAction::Kind::Show, word, error);
    }
    if (word == QLatin1String("unreadable")) {
        return fieldAction(SimAction::Kind::Unreadable, word, error);
    }
    const auto argument = [&]() { return take().value_or(QString()); };
    if (word == QLatin1String("mode")) {
        const QString m = argument();
        a.kind = SimAction::Kind::Mode;
        a.flag = m == QLatin1String("fullscreen");
        if (!a.flag && m != QLatin1String("window")) {
            error = QStringLiteral("mode needs window or fullscreen");
            return std::nullopt;
        }
        return a;
    }
    if (word == QLatin1String("position")) {
        const QString p = argument();
        if (p != QLatin1String("1") && p != QLatin1String("2")) {
            error = QStringLiteral("position needs 1 or 2");
            return std::nullopt;
        }
        a.kind = SimAction::Kind::Position;
        a.value = p.toInt();
        return a;
    }
    if (word == QLatin1String("lvset")) {
        const QString s = argument();
        a.kind = SimAction::Kind::LvSet;
        a.flag = s == QLatin1String("win7");
        if (!a.flag && s != QLatin1String("standard")) {
            error = QStringLiteral("lvset needs standard or win7");
            return std::nullopt;
        }
        return a;
    }
    if (word == QLatin1String("focus")) {
        const QString f = argument();
        if (f != QLatin1String("away") && f != QLatin1String("back")) {
            error = QStringLiteral("focus needs away or back");
            return std::nullopt;
        }
        a.kind =
            f == QLatin1String("away") ? SimAction::Kind::FocusAway : SimAction::Kind::FocusBack;
        return a;
    }
    if (word == QLatin1String("move")) {
        bool okX = false;
        bool okY = false;
        a.x = argument().toInt(&okX);
        a.y = argument().toInt(&okY);
        if (!okX || !okY) {
            error = QStringLiteral("move needs X Y");
            return std::nullopt;
        }
        a.kind = SimAction::Kind::Move;
        return a;
    }
    if (word == QLatin1String("close")) {
        a.kind = SimAction::Kind::Close;
        return a;
    }
    error = QStringLiteral("unknown command ") + word;
    return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> parseExp(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^([0-9]{1,3})(?:\\.([0-9]{1,2}))?$"));
    const auto m = number.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    QString decimals = m.captured(2);
    while (decimals.size() < 2) {
        decimals += QLatin1Char('0');
    }
    const std::int64_t value = m.captured(1).toLongLong() * 100 + decimals.toLongLong();
    if (value > MaxExpHundredths) {
        return std::nullopt;
    }
    return value;
}

SimParse parseSimLine(const QString& line, double defaultAt) {
    SimParse result;
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
        return result;
    }
    QStringList tokens = trimmed.split(QRegularExpression(QStringLiteral("\\s+")));
    SimCommand command;
    command.text = trimmed;
    command.atSeconds = defaultAt;
    if (tokens.front() == QLatin1String("at")) {
        bool ok = false;
        const double at = tokens.size() > 1 ? tokens[1].toDouble(&ok) : 0.0;
        if (!ok || at < 0) {
            result.error = QStringLiteral("at needs a time in seconds");
            return result;
        }
        command.atSeconds = at;
        tokens.remove(0, 2);
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

void applyToState(const SimAction& action, SimState& state) {
    switch (action.kind) {
        case SimAction::Kind::SetValue:
            if (action.field == Field::Lv) {
                state.lv = static_cast<int>(action.value);
            } else if (action.field == Field::Exp) {
                state.expHundredths = action.value;
            } else {
                state.money = action.value;
            }
            state.lookOf(action.field) = Look::Shown;
            break;
        case SimAction::Kind::Hide:
            state.lookOf(action.field) = Look::Hidden;
            break;
        case SimAction::Kind::Show:
            state.lookOf(action.field) = Look::Shown;
            break;
        case SimAction::Kind::Unreadable:
            state.lookOf(action.field) = Look::Unreadable;
            break;
        case SimAction::Kind::Mode:
            state.fullScreen = action.flag;
            break;
        case SimAction::Kind::Position:
            state.position = static_cast<int>(action.value);
            break;
        case SimAction::Kind::LvSet:
            state.windows7Lv = action.flag;
            break;
        case SimAction::Kind::FocusAway:
        case SimAction::Kind::FocusBack:
        case SimAction::Kind::Move:
        case SimAction::Kind::Close:
            break;
    }
}

}  // namespace bm::sim
