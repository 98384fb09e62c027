#pragma once

#include <QPointF>
#include <cstdint>
#include <vector>

namespace bm {

class clsGraphBuffer;
struct ErrorTrap;

// The four curves of the graph in plot pixels (origin top-left). Each curve
// is a polyline: consecutive vertices are joined. Rates are solid lines,
// averages dotted; Exp curves are blue, money curves red.
struct GraphCurves {
    bool expShown = false;    // the Exp axis has a top, so its curves are drawn
    bool moneyShown = false;  // the same for money
    std::vector<QPointF> rateE;
    std::vector<QPointF> aveE;
    std::vector<QPointF> rateM;
    std::vector<QPointF> aveM;
};

// Computes the curves for `points` samples starting `offset` behind the
// newest, drawn into a plot of `plotWidth` x `plotHeight` pixels with the
// axis tops `expTop` and `moneyTop` (a top of 0 leaves its series out).
//
// The sample at the offset lies on the right edge (x = plotWidth), older
// ones step left by plotWidth / (points - 1); a value v lies at
// y = (plotHeight - 1) * (1 - v / top). Vertices after the first are
// rounded to whole pixels and clipped into +-2 * (plotHeight - 1). A rate
// of exactly -1 (not read) leaves no vertex on its rate curve - the line
// joins its neighbours - and a money curve starting on such a sample starts
// at the first read one; averages pass through every sample.
//
// Samples outside the buffer are left out and recorded in `trap`.
GraphCurves ComputeGraphCurves(const clsGraphBuffer& data, std::int32_t offset, std::int32_t points,
                               int plotWidth, int plotHeight, std::int32_t expTop,
                               std::int32_t moneyTop, ErrorTrap& trap);

}  // namespace bm
