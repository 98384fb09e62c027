#include "app/Currency.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace bm {

namespace {

// std::nearbyint honours the current rounding mode, which is round-to-nearest
// (ties to even) unless someone changed it; be explicit about it here.
double roundHalfEven(double v) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(saved);
    return r;
}

}  // namespace

Currency Currency::fromDouble(double value) {
    // A value beyond what a currency holds stops at the nearest end of its
    // range, and a NaN counts as 0, instead of converting out of range.
    constexpr double Limit = 9223372036854775808.0;  // 2^63
    const double scaled = roundHalfEven(value * Scale);
    if (std::isnan(scaled)) {
        return {};
    }
    if (scaled >= Limit) {
        return fromRaw(std::numeric_limits<std::int64_t>::max());
    }
    if (scaled < -Limit) {
        return fromRaw(std::numeric_limits<std::int64_t>::min());
    }
    return fromRaw(static_cast<std::int64_t>(scaled));
}

std::int64_t Currency::toWhole() const {
    std::int64_t q = raw_ / Scale;
    const std::int64_t r = raw_ % Scale;  // same sign as raw_
    const std::int64_t twice = 2 * std::llabs(r);
    if (twice > Scale || (twice == Scale && (q % 2 != 0))) {
        q += (raw_ < 0) ? -1 : 1;
    }
    return q;
}

QString Currency::toString() const {
    // Unsigned, so that the most negative value has a magnitude too.
    const std::uint64_t absRaw = magnitude();
    QString text = QString::number(absRaw / Scale);
    const std::uint64_t frac = absRaw % Scale;
    if (frac != 0) {
        QString digits = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0'))) {
            digits.chop(1);
        }
        text += QLatin1Char('.') + digits;
    }
    if (raw_ < 0) {
        text.prepend(QLatin1Char('-'));
    }
    return text;
}

}  // namespace bm
