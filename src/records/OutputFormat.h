#pragma once

#include <QString>
#include <cstdint>

#include "app/Currency.h"

namespace bm {

// A fixed-width text column whose width counts CP932 bytes (a double-width
// character counts 2), so that columns line up in a fixed-pitch font: one
// leading blank, the value right-aligned, `gap` trailing blanks. A value
// wider than its column is never cut.
//
// Numbers: decimals > 0 shows exactly that many decimals (grouped with ","
// unless `plain`); decimals <= 0 shows a whole number, grouped unless
// `plain`, and the value 0 as "0". Texts are taken unchanged; Booleans as
// "True"/"False".
QString FormatColumn(Currency value, int width, int gap, int decimals, bool plain);
QString FormatColumn(std::int64_t value, int width, int gap, int decimals, bool plain);
QString FormatColumn(int value, int width, int gap, int decimals, bool plain);
QString FormatColumn(double value, int width, int gap, int decimals, bool plain);
QString FormatColumn(bool value, int width, int gap, int decimals, bool plain);
QString FormatColumn(const QString& value, int width, int gap, int decimals, bool plain);
// Without this overload a string literal would pick the bool one.
QString FormatColumn(const char* value, int width, int gap, int decimals, bool plain) = delete;

}  // namespace bm
