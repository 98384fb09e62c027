#include "app/OleDate.h"

#include <cmath>
#include <cstdint>

namespace bm {

namespace {

constexpr double MsPerDay = 86400000.0;

}  // namespace

QDate OleDateOrigin() {
    return QDate(1899, 12, 30);
}

double toOleDate(const QDateTime& when) {
    if (!when.isValid()) {
        return 0.0;
    }
    const auto days = static_cast<double>(OleDateOrigin().daysTo(when.date()));
    const double fraction = when.time().msecsSinceStartOfDay() / MsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

QDateTime fromOleDate(double date) {
    const double whole = std::trunc(date);
    auto ms = static_cast<std::int64_t>(std::llround(std::fabs(date - whole) * MsPerDay));
    auto days = static_cast<std::int64_t>(whole);
    if (ms >= static_cast<std::int64_t>(MsPerDay)) {
        // A fraction that rounds up to a whole day belongs to the next day.
        ms -= static_cast<std::int64_t>(MsPerDay);
        days += 1;
    }
    return QDateTime(OleDateOrigin().addDays(days),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

}  // namespace bm
