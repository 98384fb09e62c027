#include "util/Currency.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>

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
    return fromRaw(static_cast<std::int64_t>(roundHalfEven(value * Scale)));
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
    const std::int64_t absRaw = std::llabs(raw_);
    QString text = QString::number(absRaw / Scale);
    std::int64_t frac = absRaw % Scale;
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
