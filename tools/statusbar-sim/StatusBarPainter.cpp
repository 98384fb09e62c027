#include "StatusBarPainter.h"

#include "settings/SettingsDefaults.h"

namespace bm::sim {

static_assert(GlyphsPerReading == GlyphCount);

namespace {

GlyphColumns patternColumns(const QString& pattern) {
    GlyphColumns words;
    for (qsizetype i = 0; i + 4 <= pattern.size(); i += 4) {
        words.push_back(static_cast<std::uint16_t>(pattern.mid(i, 4).toUInt(nullptr, 16)));
    }
    return words;
}

}  // namespace

Settings drawingSettings(const SimState& state) {
    Settings s;
    applyCaptureDefaults(s, state.fullScreen, state.windows7Lv);
    applyExtensionDefaults(s, state.fullScreen);
    return s;
}

DrawingData drawingData(const Settings& settings) {
    DrawingData data;
    for (int r = 0; r < RegionCount; ++r) {
        const auto& rect = settings.CaptureRect[r];
        data.regions[r] = {rect.X, rect.Y, rect.Width, rect.Height};
    }
    for (int f = 0; f < FieldCount; ++f) {
        for (int g = 0; g < GlyphCount; ++g) {
            data.glyphs[f][g] = patternColumns(settings.Patterns[f][g]);
        }
    }
    return data;
}

std::vector<std::uint16_t> fieldColumns(const SimState& state, Field field,
                                        const Settings& settings) {
    return figureColumns(state, field, drawingData(settings),
                         settings.CaptureRect[regionOf(state, field)].Width);
}

QImage renderStatusBar(const SimState& state, QSize clientSize) {
    const int width = std::max(clientSize.width(), 0);
    const int height = std::max(clientSize.height(), 0);
    const auto pixels = renderPixels(state, drawingData(drawingSettings(state)), width, height);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = 0xFF000000u | pixels[static_cast<size_t>(y) * width + x];
        }
    }
    return image;
}

}  // namespace bm::sim
