#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "app/Currency.h"

namespace bm {

// Top of the Exp axis: the first of 1, 2, 4, 6, 8, 10, 20..400 (step 10),
// 500..1000 (step 100) that is larger than v; 0 when v is 1000 or more.
std::int32_t ExpAxisTop(Currency v);
// Top of the money axis: the first of 10, 20, 40, 60, 80, 100, 200, 400,
// 600, 800, 1000..10000 (step 1000), 15000..100000 (step 5000) that is
// larger than v; 0 when v is 100000 or more.
std::int32_t MoneyAxisTop(Currency v);

// Axis label texts from the top down: top, three quarters, half, quarter.
// Exp values as "   #0.0#" cut to their last 6 characters; money values
// in tenths of the top's tenfold, as "#,##0".
std::array<QString, 4> ExpAxisLabels(std::int32_t top);
std::array<QString, 4> MoneyAxisLabels(std::int32_t top);
// Caption of the time axis for `spanMinutes` across the plot: the minutes
// per vertical grid division.
QString TimeAxisCaption(std::int64_t spanMinutes);

}  // namespace bm
