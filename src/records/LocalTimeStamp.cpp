#include "records/LocalTimeStamp.h"

#include <algorithm>

#include "platform/Platform.h"

namespace bm {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

// Proleptic Gregorian date of a day counted from 1970-01-01.
CivilDate civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = floorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

void putDigits(char* out, std::int64_t value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

}  // namespace

QByteArray LocalTimeStamp::now() {
    return at(clock_.utcMilliseconds());
}

QByteArray LocalTimeStamp::at(std::int64_t utcMs) {
    const std::int64_t utcSeconds = floorDiv(utcMs, 1000);
    const std::int64_t utcMinute = floorDiv(utcSeconds, 60);
    if (utcMinute != utcMinute_) {
        utcMinute_ = utcMinute;
        offsetSeconds_ = clock_.utcOffsetSeconds(utcMinute * 60000);
    }
    const std::int64_t local = utcSeconds + offsetSeconds_;
    const std::int64_t localMinute = floorDiv(local, 60);
    if (localMinute != localMinute_) {
        localMinute_ = localMinute;
        const std::int64_t days = floorDiv(localMinute, 1440);
        const std::int64_t minuteOfDay = localMinute - days * 1440;
        const CivilDate date = civilFromDays(days);
        putDigits(prefix_, date.year, 4);
        prefix_[4] = '/';
        putDigits(prefix_ + 5, date.month, 2);
        prefix_[7] = '/';
        putDigits(prefix_ + 8, date.day, 2);
        prefix_[10] = ' ';
        putDigits(prefix_ + 11, minuteOfDay / 60, 2);
        prefix_[13] = ':';
        putDigits(prefix_ + 14, minuteOfDay % 60, 2);
        prefix_[16] = ':';
    }
    QByteArray stamp(19, Qt::Uninitialized);
    char* out = stamp.data();
    std::copy(prefix_, prefix_ + 17, out);
    putDigits(out + 17, local - localMinute * 60, 2);
    return stamp;
}

}  // namespace bm
