#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/Currency.h"

namespace bm {

// An accepted capture: when it was taken and what it read (Exp in percent).
struct AcceptedReading {
    QDateTime when;
    std::int32_t lv = 0;
    Currency exp;
    Currency money;
};

// Hourly rates; empty when no measured time lies behind them.
struct HourlyRates {
    std::optional<double> expPercent;
    std::optional<double> money;
};

// The figures of one measuring run, gathered from its accepted captures:
// rates since the start and over the last hour, time to the next level,
// read success and a one-line summary. Gains and counted time follow the
// measurement step: a level gained adds 100 %, and the time between two
// captures in which a value did not change does not count for its rate.
class RunStats {
public:
    static constexpr int WindowSeconds = 3600;

    // Forgets everything (a new run).
    void reset();
    // Counts one read attempt of the run.
    void countAttempt(bool accepted);
    // Adds an accepted capture; a baseline starts the gains afresh (new run
    // or new character) while the read counts go on.
    void addAccepted(const AcceptedReading& reading, bool baseline);

    int attempts() const { return attempts_; }
    int accepted() const { return accepted_; }
    bool hasReadings() const { return !samples_.empty(); }
    const AcceptedReading& first() const { return samples_.front().reading; }
    const AcceptedReading& latest() const { return samples_.back().reading; }

    HourlyRates sinceStart() const;
    // From the first accepted capture at or after the latest one minus 60
    // minutes to the latest one.
    HourlyRates lastHour() const;
    // Exp gained since the start, in percent (levels count 100 each).
    Currency expGain() const;
    Currency moneyGain() const;

    // Seconds until the next level at `now`: the last hour's Exp rate taken
    // at the latest capture, counting down from then; never below 0. Empty
    // when the rate is 0 or unknown.
    std::optional<std::int64_t> secondsToLevel(const QDateTime& now) const;

private:
    struct Sample {
        AcceptedReading reading;
        // Running sums from the run's baseline up to this capture.
        Currency expGain;
        std::int64_t expSeconds = 0;
        Currency moneyGain;
        std::int64_t moneySeconds = 0;
    };
    HourlyRates ratesBetween(const Sample& from, const Sample& to) const;

    std::vector<Sample> samples_;
    std::int32_t referenceLv_ = 0;
    int attempts_ = 0;
    int accepted_ = 0;
};

}  // namespace bm
