#include "records/OutputFormat.h"

#include <algorithm>
#include <limits>

#include "app/Cp932.h"
#include "app/NumberFormat.h"

namespace bm {

namespace {

QString layOut(const QString& text, int width, int gap) {
    int cells = width - gap;
    const int bytes = cp932::byteLength(text);
    if (bytes > text.size()) {
        cells -= bytes - static_cast<int>(text.size());
    }
    return QLatin1Char(' ') + fmt::rightAligned(text, cells - 1) +
           QString(std::max(gap, 0), QLatin1Char(' '));
}

QString numberText(Currency value, int decimals, bool plain) {
    if (decimals > 0) {
        return fmt::fixed(value, decimals, !plain);
    }
    if (value == Currency()) {
        return QStringLiteral("0");
    }
    return fmt::wholeOrEmpty(value, !plain);
}

}  // namespace

QString FormatColumn(Currency value, int width, int gap, int decimals, bool plain) {
    return layOut(numberText(value, decimals, plain), width, gap);
}

QString FormatColumn(std::int64_t value, int width, int gap, int decimals, bool plain) {
    // A whole number beyond what a currency holds shows as the nearest one
    // it holds instead of overflowing on the way.
    constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max() / Currency::Scale;
    return FormatColumn(Currency::fromInt(std::clamp(value, -Largest, Largest)), width, gap,
                        decimals, plain);
}

QString FormatColumn(int value, int width, int gap, int decimals, bool plain) {
    return FormatColumn(Currency::fromInt(value), width, gap, decimals, plain);
}

QString FormatColumn(double value, int width, int gap, int decimals, bool plain) {
    return FormatColumn(Currency::fromDouble(value), width, gap, decimals, plain);
}

QString FormatColumn(bool value, int width, int gap, int, bool) {
    return layOut(value ? QStringLiteral("True") : QStringLiteral("False"), width, gap);
}

QString FormatColumn(const QString& value, int width, int gap, int, bool) {
    return layOut(value, width, gap);
}

}  // namespace bm
