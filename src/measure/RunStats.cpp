#include "measure/RunStats.h"

#include <algorithm>
#include <cmath>

namespace bm {

void RunStats::reset() {
    *this = RunStats();
}

void RunStats::countAttempt(bool accepted) {
    ++attempts_;
    if (accepted) {
        ++accepted_;
    }
}

void RunStats::addAccepted(const AcceptedReading& reading, bool baseline) {
    if (baseline || samples_.empty()) {
        samples_.clear();
        samples_.push_back(Sample{reading, {}, 0, {}, 0});
        referenceLv_ = reading.lv;
        return;
    }
    const Sample& prev = samples_.back();
    Sample next = prev;
    next.reading = reading;
    const bool expChanged = reading.exp != prev.reading.exp;
    const bool moneyChanged = reading.money != prev.reading.money;
    if (expChanged || moneyChanged) {
        // Idle time (neither value moved) counts for neither rate; a value
        // that alone stood still gets no time for this interval.
        const std::int64_t seconds =
            std::max<std::int64_t>(prev.reading.when.secsTo(reading.when), 0);
        next.expGain +=
            Currency::fromInt(reading.lv - referenceLv_) * 100 + (reading.exp - prev.reading.exp);
        next.moneyGain += reading.money - prev.reading.money;
        next.expSeconds += expChanged ? seconds : 0;
        next.moneySeconds += moneyChanged ? seconds : 0;
        referenceLv_ = reading.lv;
    }
    samples_.push_back(next);
}

HourlyRates RunStats::ratesBetween(const Sample& from, const Sample& to) const {
    HourlyRates rates;
    const std::int64_t expSeconds = to.expSeconds - from.expSeconds;
    const std::int64_t moneySeconds = to.moneySeconds - from.moneySeconds;
    if (expSeconds > 0) {
        rates.expPercent = (to.expGain - from.expGain).toDouble() * 3600.0 / double(expSeconds);
    }
    if (moneySeconds > 0) {
        rates.money = (to.moneyGain - from.moneyGain).toDouble() * 3600.0 / double(moneySeconds);
    }
    return rates;
}

HourlyRates RunStats::sinceStart() const {
    if (samples_.empty()) {
        return {};
    }
    return ratesBetween(samples_.front(), samples_.back());
}

HourlyRates RunStats::lastHour() const {
    if (samples_.empty()) {
        return {};
    }
    const QDateTime from = latest().when.addSecs(-WindowSeconds);
    const auto first = std::find_if(samples_.begin(), samples_.end(),
                                    [&](const Sample& s) { return s.reading.when >= from; });
    return ratesBetween(*first, samples_.back());
}

Currency RunStats::expGain() const {
    return samples_.empty() ? Currency() : samples_.back().expGain;
}

Currency RunStats::moneyGain() const {
    return samples_.empty() ? Currency() : samples_.back().moneyGain;
}

std::optional<std::int64_t> RunStats::secondsToLevel(const QDateTime& now) const {
    const std::optional<double> rate = lastHour().expPercent;
    if (!rate || *rate <= 0.0) {
        return std::nullopt;
    }
    const double remaining = std::max(100.0 - latest().exp.toDouble(), 0.0);
    const auto atCapture = static_cast<std::int64_t>(std::llround(remaining / *rate * 3600.0));
    const std::int64_t passed = std::max<std::int64_t>(latest().when.secsTo(now), 0);
    return std::max<std::int64_t>(atCapture - passed, 0);
}

}  // namespace bm
