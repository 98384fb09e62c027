#include <gtest/gtest.h>

#include <QTimeZone>

#include "platform/fake/FakePlatform.h"
#include "records/LocalTimeStamp.h"

namespace {

// A clock whose local offset jumps from `before` to `after` at `switchMs`.
class OffsetClock : public bm::FakePlatform {
public:
    std::int64_t switchMs = 0;
    int before = 0;
    int after = 0;
    std::int64_t utcMs = 0;

    std::int64_t utcMilliseconds() override { return utcMs; }
    int utcOffsetSeconds(std::int64_t ms) override { return ms < switchMs ? before : after; }
};

std::int64_t utc(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), QTimeZone::utc()).toMSecsSinceEpoch();
}

}  // namespace

// Month, year and leap-day ends, offsets either side of UTC.
TEST(LocalTimeStamp, MatchesTheCalendarForMomentsAndOffsets) {
    const std::int64_t moments[] = {
        0,
        utc(2024, 2, 28, 23, 59, 59, 999),
        utc(2023, 12, 31, 23, 30, 5),
        utc(2000, 3, 1, 0, 0, 0),
        utc(1969, 12, 31, 23, 59, 58, 500),
    };
    const int offsets[] = {0, 9 * 3600, -(9 * 3600 + 1800), 5 * 3600 + 2700, 14 * 3600};
    for (const int offset : offsets) {
        OffsetClock clock;
        clock.before = clock.after = offset;
        bm::LocalTimeStamp stamp(clock);
        for (const std::int64_t ms : moments) {
            const QString expected = QDateTime::fromMSecsSinceEpoch(ms, QTimeZone(offset))
                                         .toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
            EXPECT_EQ(QString::fromLatin1(stamp.at(ms)), expected) << ms << " offset " << offset;
        }
    }
}

TEST(LocalTimeStamp, FollowsAClockChangeWithinAMinute) {
    OffsetClock clock;
    clock.switchMs = utc(2026, 3, 29, 1, 0, 0);  // summer time begins: +1 h becomes +2 h
    clock.before = 3600;
    clock.after = 7200;
    bm::LocalTimeStamp stamp(clock);

    clock.utcMs = clock.switchMs - 1;
    EXPECT_EQ(stamp.now(), QByteArray("2026/03/29 01:59:59"));

    clock.utcMs = clock.switchMs;
    EXPECT_EQ(stamp.now(), QByteArray("2026/03/29 03:00:00"));
    clock.utcMs = clock.switchMs + 59999;
    EXPECT_EQ(stamp.now(), QByteArray("2026/03/29 03:00:59"));
}
