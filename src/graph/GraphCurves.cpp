#include "graph/GraphCurves.h"

#include <algorithm>
#include <cmath>

#include "graph/clsGraphBuffer.h"
#include "records/DebugLog.h"
#include "records/ErrorNumbers.h"

namespace bm {

namespace {

double roundHalfEven(double v) {
    double r = std::floor(v);
    const double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) {
        r += 1.0;
    }
    return r;
}

using Field = Currency (clsGraphFormat::*)() const;

// Geometry shared by the four curves.
struct Plot {
    const clsGraphBuffer& data;
    std::int32_t offset;
    std::int32_t points;
    double width;
    double height;  // plot height - 1: y of the value 0
    double clip;
    ErrorTrap& trap;

    double x(std::int32_t i) const { return width - width / (points - 1) * i; }

    // Vertex after the first: whole pixels, clipped.
    QPointF vertex(std::int32_t i, double y) const {
        return {std::clamp(roundHalfEven(x(i)), -clip, clip),
                std::clamp(roundHalfEven(y), -clip, clip)};
    }

    // The value of sample offset + i, or nothing (recorded once) when the
    // sample lies outside the buffer. The index is checked here rather than
    // left to the buffer's exception, which would be thrown for every
    // position a long time axis runs past the buffer.
    bool read(std::int32_t i, Field field, Currency& out) const {
        const std::int64_t index = std::int64_t{offset} + i;
        if (index < 0 || index >= data.BufferSize()) {
            if (!trap) {
                trap.fail(errcode::SubscriptOutOfRange);
            }
            return false;
        }
        out = (data.Value(static_cast<std::int32_t>(index)).*field)();
        return true;
    }

    // The positions past this one lie beyond the buffer's oldest sample.
    std::int32_t lastInBuffer() const {
        const std::int64_t last = std::int64_t{data.BufferSize()} - 1 - offset;
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(last, -1, points - 1));
    }

    // skipUnread: samples of exactly -1 leave no vertex. hiddenStart: a first
    // sample of -1 is not a vertex either (the line starts at the next one).
    std::vector<QPointF> curve(Field field, double factor, bool skipUnread,
                               bool hiddenStart) const {
        const Currency unread = Currency::fromInt(-1);
        auto y = [&](Currency v) { return height - v.toDouble() * factor; };
        std::vector<QPointF> out;
        const std::int32_t last = lastInBuffer();
        out.reserve(static_cast<size_t>(std::max(last + 1, 0)));
        Currency v;
        if (read(0, field, v) && !(hiddenStart && v == unread)) {
            out.emplace_back(width, y(v));
        }
        if (last < points - 1) {
            Currency unused;
            read(points - 1, field, unused);  // records the sample out of range
        }
        for (std::int32_t i = 1; i <= last; ++i) {
            if (!read(i, field, v) || (skipUnread && v == unread)) {
                continue;
            }
            out.push_back(vertex(i, y(v)));
        }
        return out;
    }
};

}  // namespace

GraphCurves ComputeGraphCurves(const clsGraphBuffer& data, std::int32_t offset, std::int32_t points,
                               int plotWidth, int plotHeight, std::int32_t expTop,
                               std::int32_t moneyTop, ErrorTrap& trap) {
    GraphCurves curves;
    if (points < 2) {
        return curves;
    }
    const double h = plotHeight - 1;
    const Plot plot{data, offset, points, static_cast<double>(plotWidth), h, 2 * h, trap};
    if (expTop > 0) {
        const double factor = h / expTop;
        curves.expShown = true;
        curves.rateE = plot.curve(&clsGraphFormat::RateE, factor, true, false);
        curves.aveE = plot.curve(&clsGraphFormat::RateAveE, factor, false, false);
    }
    if (moneyTop > 0) {
        const double factor = h / moneyTop;
        curves.moneyShown = true;
        curves.rateM = plot.curve(&clsGraphFormat::RateM, factor, true, true);
        curves.aveM = plot.curve(&clsGraphFormat::RateAveM, factor, false, false);
    }
    return curves;
}

}  // namespace bm
