#include "graph/clsGraphBuffer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "records/ErrorNumbers.h"

namespace bm {

namespace {

// Nearest whole number, an exact half to the even neighbour, kept inside
// the 32-bit range.
std::int32_t wholeHalfEven(double v) {
    double r = std::floor(v);
    const double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) {
        r += 1.0;
    }
    r = std::clamp(r, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                   static_cast<double>(std::numeric_limits<std::int32_t>::max()));
    return static_cast<std::int32_t>(r);
}

std::int32_t wholeHalfEven(Currency v) {
    const std::int64_t w =
        std::clamp<std::int64_t>(v.toWhole(), std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(w);
}

// Average of the rates that are not exactly -1; 0 when none counts. The
// divisor starts at `count` so that positions past the list would still
// count as zeros (the caller limits `count` to the list).
template <typename Field>
Currency movingAverage(const std::vector<clsGraphFormat>& samples, std::int32_t count,
                       Field field) {
    const Currency unread = Currency::fromInt(-1);
    Currency sum;
    std::int32_t divisor = count;
    for (std::int32_t i = 0; i < count; ++i) {
        const Currency v = (samples[static_cast<size_t>(i)].*field)();
        if (v == unread) {
            --divisor;
        } else {
            sum += v;
        }
    }
    if (divisor == 0) {
        return Currency();
    }
    return Currency::fromDouble(sum.toDouble() / divisor);
}

}  // namespace

clsGraphBuffer::clsGraphBuffer() : samples_(DefaultSize) {}

const clsGraphFormat& clsGraphBuffer::Value(std::int32_t Index) const {
    if (Index < 0 || Index >= BufferSize()) {
        throw SubscriptOutOfRange();
    }
    return samples_[static_cast<size_t>(Index)];
}

void clsGraphBuffer::setBufferSize(std::int32_t size) {
    if (size <= 0) {
        throw SubscriptOutOfRange();
    }
    samples_.resize(static_cast<size_t>(std::min(size, MaxSize)));
}

std::int32_t clsGraphBuffer::MaxValueTime() const {
    return wholeHalfEven(maximum_.Time());
}
std::int32_t clsGraphBuffer::MaxValueRateE() const {
    return wholeHalfEven(maximum_.RateE());
}
std::int32_t clsGraphBuffer::MaxValueRateM() const {
    return wholeHalfEven(maximum_.RateM());
}
std::int32_t clsGraphBuffer::MaxValueRateAveE() const {
    return wholeHalfEven(maximum_.RateAveE());
}
std::int32_t clsGraphBuffer::MaxValueRateAveM() const {
    return wholeHalfEven(maximum_.RateAveM());
}

void clsGraphBuffer::DataShift(std::int32_t count, std::int32_t direction) {
    if (count < 0 || (direction != 0 && direction != 1)) {
        return;
    }
    const auto n = static_cast<std::ptrdiff_t>(std::min(count, BufferSize()));
    if (direction == 0) {
        std::rotate(samples_.begin(), samples_.end() - n, samples_.end());
        std::fill(samples_.begin(), samples_.begin() + n, clsGraphFormat());
    } else {
        std::rotate(samples_.begin(), samples_.begin() + n, samples_.end());
        std::fill(samples_.end() - n, samples_.end(), clsGraphFormat());
    }
}

void clsGraphBuffer::AddGraphData(Currency rateE, Currency rateM, std::int32_t aveCount,
                                  std::int32_t maxCount, double time, double now) {
    DataShift(1, 0);
    if (time == 0.0) {
        time = now;
    }
    aveCount = std::min(aveCount, BufferSize());
    const Currency limit = Currency::fromInt(RateLimit);
    rateE = std::min(rateE, limit);
    rateM = std::min(rateM, limit);

    clsGraphFormat& newest = samples_.front();
    newest.setTime(time);
    newest.setRateE(rateE);
    newest.setRateM(rateM);
    newest.setRateAveE(movingAverage(samples_, aveCount, &clsGraphFormat::RateE));
    newest.setRateAveM(movingAverage(samples_, aveCount, &clsGraphFormat::RateM));
    aveNum_ = aveCount;

    maximum_.Clear();
    maxCount = std::min(maxCount, BufferSize());
    for (std::int32_t i = 0; i < maxCount; ++i) {
        const clsGraphFormat& s = samples_[static_cast<size_t>(i)];
        maximum_.setTime(std::max(maximum_.Time(), s.Time()));
        maximum_.setRateE(std::max(maximum_.RateE(), s.RateE()));
        maximum_.setRateM(std::max(maximum_.RateM(), s.RateM()));
        maximum_.setRateAveE(std::max(maximum_.RateAveE(), s.RateAveE()));
        maximum_.setRateAveM(std::max(maximum_.RateAveM(), s.RateAveM()));
    }
    maxNum_ = maxCount;
}

}  // namespace bm
