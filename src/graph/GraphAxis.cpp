#include "graph/GraphAxis.h"

#include <vector>

#include "app/NumberFormat.h"

namespace bm {

namespace {

std::vector<std::int32_t> expTops() {
    std::vector<std::int32_t> tops{1, 2, 4, 6, 8, 10};
    for (std::int32_t t = 20; t <= 400; t += 10) {
        tops.push_back(t);
    }
    for (std::int32_t t = 500; t <= 1000; t += 100) {
        tops.push_back(t);
    }
    return tops;
}

std::vector<std::int32_t> moneyTops() {
    std::vector<std::int32_t> tops{10, 20, 40, 60, 80, 100, 200, 400, 600, 800};
    for (std::int32_t t = 1000; t <= 10000; t += 1000) {
        tops.push_back(t);
    }
    for (std::int32_t t = 15000; t <= 100000; t += 5000) {
        tops.push_back(t);
    }
    return tops;
}

std::int32_t firstAbove(const std::vector<std::int32_t>& tops, Currency v) {
    for (std::int32_t t : tops) {
        if (Currency::fromInt(t) > v) {
            return t;
        }
    }
    return 0;
}

QString lastSix(const QString& text) {
    return text.right(6);
}

}  // namespace

std::int32_t ExpAxisTop(Currency v) {
    static const std::vector<std::int32_t> tops = expTops();
    return firstAbove(tops, v);
}

std::int32_t MoneyAxisTop(Currency v) {
    static const std::vector<std::int32_t> tops = moneyTops();
    return firstAbove(tops, v);
}

std::array<QString, 4> ExpAxisLabels(std::int32_t top) {
    // top / 4 is exact in four decimals, so the quarters are exact too.
    const Currency t = Currency::fromInt(top);
    const Currency quarter = Currency::fromRaw(t.raw() / 4);
    return {lastSix(fmt::axisDecimal(t)), lastSix(fmt::axisDecimal(quarter * 3)),
            lastSix(fmt::axisDecimal(Currency::fromRaw(t.raw() / 2))),
            lastSix(fmt::axisDecimal(quarter))};
}

std::array<QString, 4> MoneyAxisLabels(std::int32_t top) {
    // Tenths of the top, cut to whole tenths before the three-quarter step.
    const std::int64_t tenfold = static_cast<std::int64_t>(top) * 10;
    auto tenths = [](std::int64_t n) { return Currency::fromRaw(n * (Currency::Scale / 10)); };
    return {fmt::grouped(Currency::fromInt(top)), fmt::grouped(tenths(tenfold / 4 * 3)),
            fmt::grouped(tenths(tenfold / 2)), fmt::grouped(tenths(tenfold / 4))};
}

QString TimeAxisCaption(std::int64_t spanMinutes) {
    return QStringLiteral("経過時間(") + QString::number(spanMinutes / 4) +
           QStringLiteral("分間隔)");
}

}  // namespace bm
