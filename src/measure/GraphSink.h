#pragma once

#include "app/Currency.h"

namespace bm {

// Where the rate samples go: the main window's graph buffer.
class GraphSink {
public:
    virtual ~GraphSink() = default;
    // One sample of both hourly rates; `time` 0 means "now".
    virtual void AddGraphData(Currency rateE, Currency rateM, int aveCount, int maxCount,
                              double time) = 0;
};

}  // namespace bm
