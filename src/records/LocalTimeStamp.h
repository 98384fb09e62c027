#pragma once

#include <QByteArray>
#include <cstdint>

namespace bm {

class Platform;

// The debug log's time stamp "yyyy/MM/dd HH:mm:ss" of the current moment,
// formatted from the UTC clock and the local offset. The offset is asked
// once per UTC minute, and time zones change their offset only at whole
// minutes, so a stamp is right across daylight-saving changes too without a
// time-zone lookup for every line.
class LocalTimeStamp {
public:
    explicit LocalTimeStamp(Platform& clock) : clock_(clock) {}

    // The 19 ASCII characters of the stamp for now.
    QByteArray now();
    // The same for a moment given in UTC milliseconds.
    QByteArray at(std::int64_t utcMs);

private:
    Platform& clock_;
    std::int64_t utcMinute_ = INT64_MIN;  // the minute the offset was asked for
    int offsetSeconds_ = 0;
    std::int64_t localMinute_ = INT64_MIN;  // the minute `prefix_` shows
    char prefix_[17] = {};                  // "yyyy/MM/dd HH:mm:"
};

}  // namespace bm
