#include "util/RandomTools.h"

#include <QDateTime>
#include <bit>
#include <cmath>
#include <vector>

#include "app/AppContext.h"
#include "app/CrLf.h"
#include "app/NumberFormat.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"

namespace bm {

namespace {

// Dialog results are whole numbers for these commands; a typed fraction is
// rounded to the nearest, an exact half to the even neighbour.
std::int32_t wholeNumber(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

}  // namespace

RandomGenerator::RandomGenerator(std::uint64_t seed) : engine_(seed) {}

double RandomGenerator::next() {
    return std::generate_canonical<double, 53>(engine_);
}

void RandomGenerator::reseed(std::uint64_t high, std::uint64_t low) {
    std::seed_seq seq{static_cast<std::uint32_t>(high >> 32), static_cast<std::uint32_t>(high),
                      static_cast<std::uint32_t>(low >> 32), static_cast<std::uint32_t>(low)};
    engine_.seed(seq);
}

std::int32_t RandomInt(RandomGenerator& generator, std::int32_t range, std::int32_t base) {
    // generate_canonical can round up to exactly 1.0 on some libraries; keep
    // the result below base + range all the same.
    double u = generator.next();
    if (u >= 1.0) {
        u = std::nextafter(1.0, 0.0);
    }
    return static_cast<std::int32_t>(std::floor(u * range + base));
}

QString RandomSequence(RandomGenerator& generator, std::int32_t max, std::int32_t min,
                       std::int32_t perLine, std::int32_t indent) {
    const QString lineStart = CrLf + QString(std::max(indent, 0), QLatin1Char(' '));
    QString text = QStringLiteral("  ") + QString::number(min) + QStringLiteral(" ～ ") +
                   QString::number(max) + QStringLiteral(" の範囲の乱数列は以下のとおりです") +
                   lineStart;
    if (max < min) {
        return text;
    }
    const std::int32_t count = max - min + 1;
    // Draw until an unused value comes up, so every ordering is equally likely.
    std::vector<std::int32_t> order;
    std::vector<bool> used(static_cast<size_t>(count), false);
    order.reserve(static_cast<size_t>(count));
    while (static_cast<std::int32_t>(order.size()) < count) {
        const std::int32_t r = RandomInt(generator, count, min);
        if (!used[static_cast<size_t>(r - min)]) {
            used[static_cast<size_t>(r - min)] = true;
            order.push_back(r);
        }
    }
    for (std::int32_t k = 1; k <= count; ++k) {
        text += fmt::rightAligned(QString::number(order[static_cast<size_t>(k - 1)]), 5);
        if (perLine > 0 && k % perLine == 0) {
            text += lineStart;
        }
    }
    return text;
}

void SeedRandom(RandomGenerator& generator, Platform& platform) {
    const std::uint32_t ms = platform.tickCount();
    const QDateTime now = platform.now();
    const double seconds = now.time().msecsSinceStartOfDay() / 1000.0;
    if (seconds >= 1.0) {
        const double quotient = ms / seconds;
        generator.reseed(std::bit_cast<std::uint64_t>(quotient), ms);
    } else {
        generator.reseed(static_cast<std::uint64_t>(now.date().toJulianDay()), ms);
    }
}

QString RandomOneLine(std::int32_t n, std::int32_t r) {
    return QStringLiteral("  1 ～ ") + QString::number(n) +
           QStringLiteral(" の範囲で、今回の乱数は ") + QString::number(r) +
           QStringLiteral(" です") + CrLf;
}

QString RandomOneClick(AppContext& ctx, RandomGenerator& generator, const NumericAsk& ask) {
    ctx.log.WriteDebugLog(QStringLiteral("Click : RandomOne "));
    const double result = ask({2, 32000, 10, 1, QStringLiteral("乱数の上限値を入力してください"),
                               QStringLiteral("らんだまーオンリーONE")});
    if (result == kInputCancelled) {
        return {};
    }
    const std::int32_t n = wholeNumber(result);
    return CrLf + RandomOneLine(n, RandomInt(generator, n, 1)) + CrLf;
}

QString RandomSomeClick(AppContext& ctx, RandomGenerator& generator, const NumericAsk& ask) {
    ctx.log.WriteDebugLog(QStringLiteral("Click : RandomSome "));
    const double result = ask({2, 128, 6, 1, QStringLiteral("乱数の個数を入力してください"),
                               QStringLiteral("らんだまーステキなサムシング")});
    if (result == kInputCancelled) {
        return {};
    }
    const std::int32_t n = wholeNumber(result);
    return CrLf + RandomSequence(generator, n, 1, 10, 4) + CrLf + CrLf;
}

}  // namespace bm
