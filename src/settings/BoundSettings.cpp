#include "settings/BoundSettings.h"

#include <algorithm>
#include <cstdint>

#include "app/SettingBounds.h"
#include "app/Settings.h"
#include "records/DebugLog.h"
#include "settings/SettingsDefaults.h"

namespace bm {

namespace {

// The column sum B + 2G + R runs to 1020, four times a colour level: a
// threshold at or below 0 lights every pixel, one at 256 or above none, and
// a mask below 0 is off. Values beyond these ends behave like the ends.
constexpr std::int32_t ThresholdMin = 0;
constexpr std::int32_t ThresholdMax = 256;
constexpr std::int32_t MaskMin = -1;
// A glyph is never wider or higher than the largest region.
constexpr std::int32_t GlyphSizeMin = 1;
// The remembered size: 0 keeps the designed size. The window's own layout
// rule narrows it to 488 without the graph, so the dialog's lower bounds do
// not apply to what the program stores itself.
constexpr std::int32_t WindowSizeMin = 0;

class Bounder {
public:
    explicit Bounder(DebugLog& log) : log_(log) {}

    void clamp(std::int32_t& value, std::int32_t min, std::int32_t max, const QString& name) {
        const std::int32_t bounded = std::clamp(value, min, max);
        if (bounded == value) {
            return;
        }
        log_.WriteDebugLog(
            QStringLiteral("Setting Clamped : %1 %2 -> %3 ").arg(name).arg(value).arg(bounded));
        value = bounded;
        ++moved_;
    }
    void clamp(std::int32_t& value, const NumericSetting& b, const QString& name) {
        clamp(value, b.min, b.max, name);
    }

    int moved() const { return moved_; }

private:
    DebugLog& log_;
    int moved_ = 0;
};

QString indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

}  // namespace

int BoundSettings(Settings& s, DebugLog& log) {
    Bounder b(log);
    for (int i = 0; i < RegionCount; ++i) {
        auto& r = s.CaptureRect[static_cast<size_t>(i)];
        b.clamp(r.X, bounds::CaptureX, indexed("CaptureRect.X", i));
        b.clamp(r.Y, bounds::CaptureY, indexed("CaptureRect.Y", i));
        if (i < 3) {
            b.clamp(r.Width, bounds::CaptureWidth, indexed("CaptureRect.Width", i));
            b.clamp(r.Height, bounds::CaptureHeight, indexed("CaptureRect.Height", i));
        }
    }
    copyExtensionSizes(s);

    b.clamp(s.CaptureInterval, bounds::CaptureInterval, QStringLiteral("CaptureInterval"));
    b.clamp(s.LagCancelTime, bounds::LagCancelTime, QStringLiteral("LagCancelTime"));
    b.clamp(s.StartDelay, bounds::StartDelay, QStringLiteral("StartDelay"));
    b.clamp(s.AutoRun2Delay, bounds::AutoRun2Delay, QStringLiteral("AutoRun2Delay"));
    b.clamp(s.ShotCheckInterval, bounds::ShotCheckInterval, QStringLiteral("ShotCheckInterval"));
    b.clamp(s.GestureWaitTime, bounds::GestureWaitTime, QStringLiteral("GestureWaitTime"));
    b.clamp(s.GraphPoints, bounds::GraphPoints, QStringLiteral("GraphPoints"));
    b.clamp(s.GraphAverageCount, bounds::GraphAverageCount, QStringLiteral("GraphAverageCount"));

    b.clamp(s.WindowLeft, bounds::WindowLeft, QStringLiteral("WindowLeft"));
    b.clamp(s.WindowTop, bounds::WindowTop, QStringLiteral("WindowTop"));
    b.clamp(s.WindowWidth, WindowSizeMin, bounds::WindowWidth.max, QStringLiteral("WindowWidth"));
    b.clamp(s.WindowHeight, WindowSizeMin, bounds::WindowHeight.max,
            QStringLiteral("WindowHeight"));
    b.clamp(s.DisplayOffsetX, bounds::DisplayOffsetX, QStringLiteral("DisplayOffsetX"));
    b.clamp(s.DisplayOffsetY, bounds::DisplayOffsetY, QStringLiteral("DisplayOffsetY"));

    for (int r = 0; r < ReadingCount; ++r) {
        const auto k = static_cast<size_t>(r);
        b.clamp(s.BinarizeThreshold[k], ThresholdMin, ThresholdMax,
                indexed("BinarizeThreshold", r));
        b.clamp(s.BinarizeMask[k], MaskMin, ThresholdMax, indexed("BinarizeMask", r));
        b.clamp(s.PatternSize[0][k], GlyphSizeMin, bounds::CaptureWidth.max,
                indexed("PatternSize.Width", r));
        b.clamp(s.PatternSize[1][k], GlyphSizeMin, bounds::CaptureHeight.max,
                indexed("PatternSize.Height", r));
    }
    return b.moved();
}

}  // namespace bm
