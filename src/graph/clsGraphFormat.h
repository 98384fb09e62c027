#pragma once

#include "app/Currency.h"

namespace bm {

// One sample of the rate graph: when it was taken, the Exp rate (percent per
// hour), the money rate (thousands of ELY per hour) and the moving averages
// of both rates as they stood when the sample was added. A new sample has
// every field 0.
class clsGraphFormat {
public:
    void setRateAveM(Currency vData) { rateAveM_ = vData; }
    Currency RateAveM() const { return rateAveM_; }
    void setRateAveE(Currency vData) { rateAveE_ = vData; }
    Currency RateAveE() const { return rateAveE_; }
    void setRateM(Currency vData) { rateM_ = vData; }
    Currency RateM() const { return rateM_; }
    void setRateE(Currency vData) { rateE_ = vData; }
    Currency RateE() const { return rateE_; }
    // Days since 1899-12-30 (see OleDate.h).
    void setTime(double vData) { time_ = vData; }
    double Time() const { return time_; }
    // Back to the zero date and all four rates 0.
    void Clear();

    bool operator==(const clsGraphFormat&) const = default;

private:
    double time_ = 0.0;
    Currency rateE_;
    Currency rateM_;
    Currency rateAveE_;
    Currency rateAveM_;
};

}  // namespace bm
