#include "measure/RunFiguresText.h"

#include <QStringList>
#include <cmath>

#include "app/NumberFormat.h"
#include "measure/RunStats.h"

namespace bm::runtext {

namespace {

const QString Unknown = QStringLiteral("--");

QString signedGain(const QString& text, bool negative) {
    return (negative ? QStringLiteral("") : QStringLiteral("+")) + text;
}

// Minutes between the two times as their clock faces show them, so that
// "20:00-22:15" always reads as 2時間15分 whatever the seconds were.
std::int64_t faceMinutes(const QDateTime& from, const QDateTime& to) {
    const auto floorMinute = [](QDateTime t) {
        t.setTime(QTime(t.time().hour(), t.time().minute()));
        return t;
    };
    return floorMinute(from).secsTo(floorMinute(to)) / 60;
}

}  // namespace

QString duration(std::int64_t seconds) {
    const std::int64_t minutes = std::max<std::int64_t>(seconds, 0) / 60;
    const std::int64_t hours = minutes / 60;
    const QString mins = QString::number(minutes % 60) + QStringLiteral("分");
    return hours > 0 ? QString::number(hours) + QStringLiteral("時間") + mins : mins;
}

QString timeToLevel(const RunStats& stats, const QDateTime& now) {
    const auto seconds = stats.hasReadings() ? stats.secondsToLevel(now) : std::nullopt;
    return QStringLiteral("次Lvまで ") + (seconds ? duration(*seconds) : Unknown);
}

QString readHealth(const RunStats& stats) {
    const QString counts = QStringLiteral(" (%1/%2)").arg(stats.accepted()).arg(stats.attempts());
    if (stats.attempts() == 0) {
        return QStringLiteral("認識 ") + Unknown + counts;
    }
    // Truncated, so 100% means that every read was accepted.
    const int percent = stats.accepted() * 100 / stats.attempts();
    return QStringLiteral("認識 %1%").arg(percent) + counts;
}

QString expRate(std::optional<double> percentPerHour, int decimals) {
    if (!percentPerHour) {
        return Unknown;
    }
    return fmt::fixed(Currency::fromDouble(*percentPerHour), decimals, false) +
           QStringLiteral("%/h");
}

QString moneyRate(std::optional<double> perHour) {
    if (!perHour) {
        return Unknown;
    }
    return fmt::grouped(Currency::fromDouble(*perHour)) + QStringLiteral("/h");
}

QString levelAndExp(const RunStats& stats) {
    if (!stats.hasReadings()) {
        return QStringLiteral("Lv ") + Unknown;
    }
    const AcceptedReading& now = stats.latest();
    return QStringLiteral("Lv%1 ").arg(now.lv) + fmt::fixed(now.exp, 2, false) +
           QStringLiteral("%");
}

QStringList figureLines(const RunStats& stats, const QDateTime& now) {
    const HourlyRates start = stats.sinceStart();
    const HourlyRates hour = stats.lastHour();
    return {
        levelAndExp(stats),
        QStringLiteral("Exp時給 ") + expRate(start.expPercent) + QStringLiteral(" (60分 ") +
            expRate(hour.expPercent) + QStringLiteral(")"),
        QStringLiteral("ELY時給 ") + moneyRate(start.money) + QStringLiteral(" (60分 ") +
            moneyRate(hour.money) + QStringLiteral(")"),
        timeToLevel(stats, now),
        readHealth(stats),
    };
}

QString summaryLine(const RunStats& stats) {
    if (!stats.hasReadings()) {
        return {};
    }
    const AcceptedReading& first = stats.first();
    const AcceptedReading& last = stats.latest();
    const bool sameDay = first.when.date() == last.when.date();
    const QString end =
        last.when.toString(sameDay ? QStringLiteral("HH:mm") : QStringLiteral("yyyy/MM/dd HH:mm"));
    const HourlyRates rates = stats.sinceStart();
    const Currency exp = stats.expGain();
    const Currency money = stats.moneyGain();
    return QStringLiteral("LaTale ") + first.when.toString(QStringLiteral("yyyy/MM/dd HH:mm")) +
           QStringLiteral("-") + end + QStringLiteral(" (") +
           duration(faceMinutes(first.when, last.when) * 60) + QStringLiteral(") Lv") +
           QString::number(first.lv) + QStringLiteral("→") + QString::number(last.lv) +
           QStringLiteral(" Exp") + signedGain(fmt::fixed(exp, 2, false), exp < Currency()) +
           QStringLiteral("% (") + expRate(rates.expPercent, 1) + QStringLiteral(") ELY") +
           signedGain(fmt::grouped(money), money < Currency()) + QStringLiteral(" (") +
           moneyRate(rates.money) + QStringLiteral(")");
}

}  // namespace bm::runtext
