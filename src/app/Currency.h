#pragma once

#include <QString>
#include <compare>
#include <cstdint>

namespace bm {

// Fixed-point money and percentage value: a signed 64-bit integer scaled by
// 10000 (four decimal places). Exp, money, gains and rates are held in it so
// that sums and differences are exact.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t raw) {
        Currency c;
        c.raw_ = raw;
        return c;
    }
    static constexpr Currency fromInt(std::int64_t whole) { return fromRaw(whole * Scale); }
    // Rounds to four decimals, an exact half to the even neighbour; beyond
    // the range it stops at the nearest end, and a NaN gives 0.
    static Currency fromDouble(double value);

    constexpr std::int64_t raw() const { return raw_; }
    // |raw|, which for the most negative raw value only an unsigned type holds.
    constexpr std::uint64_t magnitude() const {
        return raw_ < 0 ? 0 - static_cast<std::uint64_t>(raw_) : static_cast<std::uint64_t>(raw_);
    }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }
    // Nearest whole number, an exact half to the even neighbour.
    std::int64_t toWhole() const;

    // Decimal text with up to four decimals and no trailing zeros ("12.34", "-1", "0").
    QString toString() const;

    constexpr Currency operator-() const { return fromRaw(-raw_); }
    constexpr Currency operator+(Currency o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Currency operator-(Currency o) const { return fromRaw(raw_ - o.raw_); }
    constexpr Currency operator*(std::int64_t k) const { return fromRaw(raw_ * k); }
    constexpr Currency& operator+=(Currency o) {
        raw_ += o.raw_;
        return *this;
    }
    constexpr Currency& operator-=(Currency o) {
        raw_ -= o.raw_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t raw_ = 0;
};

}  // namespace bm
