#pragma once

#include <QDateTime>

namespace bm {

// Date-times stored as a double counting days since 1899-12-30 00:00 (local
// time), the fraction being the time of day. For dates before that day the
// whole part counts back and the fraction still adds the time of day, so
// -1.25 is 1899-12-29 06:00.
// The day these counts start from, 1899-12-30.
QDate OleDateOrigin();

double toOleDate(const QDateTime& when);
QDateTime fromOleDate(double date);

}  // namespace bm
