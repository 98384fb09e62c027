#include "measure/RegionReading.h"

#include <limits>

#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "capture/PixelString.h"
#include "measure/RecognizeRegion.h"

namespace bm {

QString ReadRegion(MeasureContext& m, WindowId window, int region, int reading) {
    const Settings& s = m.app.settings;
    ConvertPixelString(m.app, window, s.CaptureRect[region], region, s.BinarizeThreshold[reading],
                       s.BinarizeMask[reading]);
    if (region != reading) {
        m.app.run.PixelString[reading] = m.app.run.PixelString[region];
    }
    return RecognizeStored(m, reading);
}

QString RecognizeStored(MeasureContext& m, int reading) {
    QString result;
    RecognizeRegion(m.app, m.view, reading, result);
    return result;
}

std::int32_t LevelFromResult(const QString& result) {
    bool ok = false;
    const qlonglong value = result.toLongLong(&ok);
    if (!ok || value < 0 || value > std::numeric_limits<std::int32_t>::max()) {
        return -1;
    }
    return static_cast<std::int32_t>(value);
}

Currency ReadingFromResult(const QString& result) {
    // The largest whole number a currency value holds.
    constexpr qlonglong Largest = std::numeric_limits<std::int64_t>::max() / Currency::Scale;
    bool ok = false;
    const qlonglong value = result.toLongLong(&ok);
    if (!ok || value < 0 || value > Largest) {
        return Currency::fromInt(-1);
    }
    return Currency::fromInt(value);
}

}  // namespace bm
