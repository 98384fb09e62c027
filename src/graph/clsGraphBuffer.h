#pragma once

#include <cstdint>
#include <vector>

#include "app/Currency.h"
#include "graph/clsGraphFormat.h"

namespace bm {

// The history behind the rate graph: a fixed-length list of samples, newest
// at position 0, plus the field-by-field maxima of the newest samples the
// graph shows (for the scaling of its axes). Samples carry their moving
// averages from the moment they were added; they are never recomputed.
//
// Value() with an index outside the list and BufferSize 0 throw
// ErrorNumber 9 (records/ErrorNumbers.h); nothing else fails.
class clsGraphBuffer {
public:
    static constexpr std::int32_t DefaultSize = 512;
    static constexpr std::int32_t MaxSize = 65535;
    // Rates above this are stored as this value.
    static constexpr std::int64_t RateLimit = 2147483;

    clsGraphBuffer();

    // The sample at `Index`, 0 = newest.
    const clsGraphFormat& Value(std::int32_t Index) const;
    // Changes the length: the oldest samples go, or blank ones are appended.
    // Sizes above 65535 become 65535; 0 (and a negative size) fail with
    // error 9 and leave the list as it was.
    void setBufferSize(std::int32_t size);
    std::int32_t BufferSize() const { return static_cast<std::int32_t>(samples_.size()); }

    // Number of newest samples the maxima cover, and the last averaging count.
    std::int32_t MaxNum() const { return maxNum_; }
    std::int32_t AveNum() const { return aveNum_; }

    // The maxima rounded to whole numbers, an exact half to the even neighbour.
    std::int32_t MaxValueTime() const;
    std::int32_t MaxValueRateE() const;
    std::int32_t MaxValueRateM() const;
    std::int32_t MaxValueRateAveE() const;
    std::int32_t MaxValueRateAveM() const;

    // Moves the samples by `count` blank records without changing the length.
    // Direction 0 pushes blanks in at position 0 (the oldest samples drop
    // out); direction 1 pushes them in at the old end (the newest drop out).
    // A negative count or another direction changes nothing.
    void DataShift(std::int32_t count, std::int32_t direction);

    // Adds a sample at position 0 (the oldest drops out) with its moving
    // averages over the newest `aveCount` samples, leaving out rates of
    // exactly -1, and recomputes the maxima over the newest `maxCount`
    // samples. A `time` of 0 stands for `now` (both as days since 1899-12-30).
    void AddGraphData(Currency rateE, Currency rateM, std::int32_t aveCount, std::int32_t maxCount,
                      double time, double now);

private:
    std::vector<clsGraphFormat> samples_;
    clsGraphFormat maximum_;
    std::int32_t maxNum_ = 0;
    std::int32_t aveNum_ = 0;
};

}  // namespace bm
