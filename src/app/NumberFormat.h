#pragma once

#include <QString>

#include "app/Currency.h"

namespace bm::fmt {

// The handful of number layouts the program shows and writes. Each function
// names the layout it produces; rounding is to the nearest shown digit, an
// exact half away from zero, as number formatting does everywhere here.

// "0", "0.0", "0.00" ... (plain) or "#,###,###,###,##0.00" ... (grouped):
// at least one digit before the point, exactly `decimals` after it.
QString fixed(Currency value, int decimals, bool grouped);
// "#" (plain) or "#,###,###,###,###" (grouped): whole number, the value 0
// (after rounding) gives the empty text.
QString wholeOrEmpty(Currency value, bool grouped);
// "#,##0": grouped whole number, 0 shows as "0".
QString grouped(Currency value);
// "#0.00 ％" and "0.00 ％": two decimals, a blank and the full-width percent sign.
QString percent(Currency value);
// "   #0.0#": three blanks, at least one digit, one or two decimals.
QString axisDecimal(Currency value);
// "#,###" or "#,### " + unit: grouped whole number, 0 gives the empty number part.
QString thousands(Currency value, const QString& unit);
// "@@@@@" and the like: text right-aligned in `width` characters, never cut.
QString rightAligned(const QString& text, int width);

// The leading number of a text: blanks anywhere are skipped; an optional
// minus sign, digits with an optional decimal point (at least one digit in
// all) and an optional exponent are taken; the first character that cannot
// continue the number ends it. A text that does not start with a number gives 0.
double leadingNumber(const QString& text);

}  // namespace bm::fmt
