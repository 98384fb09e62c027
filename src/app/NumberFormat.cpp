#include "app/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace bm::fmt {

namespace {

// |raw| rounded to `decimals` places (0..4), half away from zero, as an
// integer count of 10^-decimals units.
std::uint64_t roundedUnits(std::uint64_t absRaw, int decimals) {
    std::uint64_t divisor = 1;
    for (int i = decimals; i < 4; ++i) {
        divisor *= 10;
    }
    return (absRaw + divisor / 2) / divisor;
}

QString groupDigits(const QString& digits) {
    QString out;
    const auto n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += QLatin1Char(',');
        }
        out += digits[i];
    }
    return out;
}

// Integer part and `decimals` fraction digits of the rounded value.
struct Digits {
    bool negative = false;
    QString whole;
    QString fraction;
};

Digits split(Currency value, int decimals) {
    const int places = std::clamp(decimals, 0, 4);
    const std::int64_t raw = value.raw();
    // Unsigned: the magnitude of the most negative value, rounded up, still fits.
    const std::uint64_t units = roundedUnits(value.magnitude(), places);
    std::uint64_t pow10 = 1;
    for (int i = 0; i < places; ++i) {
        pow10 *= 10;
    }
    Digits d;
    d.negative = raw < 0 && units != 0;
    d.whole = QString::number(units / pow10);
    if (places > 0) {
        d.fraction = QStringLiteral("%1").arg(units % pow10, places, 10, QLatin1Char('0'));
    }
    // Formats with more decimals than a currency holds pad with zeros.
    for (int i = places; i < decimals; ++i) {
        d.fraction += QLatin1Char('0');
    }
    return d;
}

QString withSign(const Digits& d, const QString& body) {
    return d.negative ? QLatin1Char('-') + body : body;
}

}  // namespace

QString fixed(Currency value, int decimals, bool grouped) {
    const Digits d = split(value, decimals);
    QString body = grouped ? groupDigits(d.whole) : d.whole;
    if (decimals > 0) {
        body += QLatin1Char('.') + d.fraction;
    }
    return withSign(d, body);
}

QString wholeOrEmpty(Currency value, bool grouped) {
    const Digits d = split(value, 0);
    if (d.whole == QLatin1String("0")) {
        return {};
    }
    return withSign(d, grouped ? groupDigits(d.whole) : d.whole);
}

QString grouped(Currency value) {
    const Digits d = split(value, 0);
    return withSign(d, groupDigits(d.whole));
}

QString percent(Currency value) {
    return fixed(value, 2, false) + QStringLiteral(" ％");
}

QString axisDecimal(Currency value) {
    Digits d = split(value, 2);
    if (d.fraction.endsWith(QLatin1Char('0'))) {
        d.fraction.chop(1);
    }
    return QStringLiteral("   ") + withSign(d, d.whole + QLatin1Char('.') + d.fraction);
}

QString thousands(Currency value, const QString& unit) {
    const QString number = wholeOrEmpty(value, true);
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

QString rightAligned(const QString& text, int width) {
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

double leadingNumber(const QString& text) {
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ')) {
            compact += c;
        }
    }
    qsizetype i = 0;
    const qsizetype n = compact.size();
    auto isDigit = [&](qsizetype k) {
        return k < n && compact[k].isDigit() && compact[k].unicode() < 0x80;
    };
    if (i < n && compact[i] == QLatin1Char('-')) {
        ++i;
    }
    qsizetype digits = 0;
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && compact[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    qsizetype end = i;
    if (i < n && (compact[i] == QLatin1Char('E') || compact[i] == QLatin1Char('e'))) {
        qsizetype j = i + 1;
        if (j < n && (compact[j] == QLatin1Char('+') || compact[j] == QLatin1Char('-'))) {
            ++j;
        }
        if (isDigit(j)) {
            while (isDigit(j)) {
                ++j;
            }
            end = j;
        }
    }
    return compact.left(end).toDouble();
}

}  // namespace bm::fmt
