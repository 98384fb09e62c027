#include "StatusBarLayout.h"

#include <algorithm>
#include <string>

namespace bm::sim {

namespace {

// Brightness B + 2G + R of the colours against the default thresholds:
// level lit 887 (>= 692), Exp/money bright 920 (>= 744 and >= 508), dark
// 140 and 160 (below 508).
constexpr std::uint32_t Background = 0x1C2030;
constexpr std::uint32_t LvLit = 0xFFECA0;
constexpr std::uint32_t BarBright = 0xE8E8E0;
constexpr std::uint32_t BarDark = 0x202830;
constexpr std::uint32_t WindowChrome = 0x464E60;
// The game's own border and caption in window mode.
constexpr int ChromeBorder = 3;
constexpr int ChromeCaption = 22;

constexpr int BlobWidth = 5;
constexpr std::uint16_t LvBlobColumn = 0x03FE;   // rows 1-9 lit
constexpr std::uint16_t BarBlobColumn = 0x0101;  // rows 1-7 dark
constexpr std::uint16_t BarField = 0x01FF;       // nine bright rows
constexpr int DelimiterIndex = GlyphsPerReading - 1;

// The glyphs of a figure from left to right, as column words.
std::vector<GlyphColumns> glyphsOf(const SimState& state, Field field, const GlyphSet& set) {
    std::vector<GlyphColumns> glyphs;
    const Look look = state.lookOf(field);
    if (look == Look::Hidden) {
        return glyphs;
    }
    const auto digits = [&](const std::string& text) {
        for (const char c : text) {
            glyphs.push_back(set[static_cast<size_t>(c - '0')]);
        }
    };
    if (look == Look::Unreadable) {
        const std::uint16_t blob = field == Field::Lv ? LvBlobColumn : BarBlobColumn;
        glyphs.assign(2, GlyphColumns(BlobWidth, blob));
    } else if (field == Field::Lv) {
        digits(std::to_string(state.lv));
    } else if (field == Field::Exp) {
        const std::string hundredths = std::to_string(state.expHundredths % 100);
        digits(std::to_string(state.expHundredths / 100));
        glyphs.push_back({DecimalPointColumn});
        digits(std::string(2 - hundredths.size(), '0') + hundredths);
    } else {
        const std::string text = std::to_string(state.money);
        for (size_t i = 0; i < text.size(); ++i) {
            if (i > 0 && (text.size() - i) % 3 == 0) {
                glyphs.push_back({ThousandsCommaColumn});
            }
            digits(text.substr(i, 1));
        }
    }
    glyphs.push_back(set[DelimiterIndex]);
    return glyphs;
}

}  // namespace

int regionOf(const SimState& state, Field field) {
    if (field == Field::Lv) {
        return 0;
    }
    const int first = field == Field::Exp ? 1 : 2;
    return state.position == 2 ? first + 2 : first;
}

std::vector<std::uint16_t> figureColumns(const SimState& state, Field field,
                                         const DrawingData& data, int width) {
    const bool bar = field != Field::Lv;
    // A hidden Exp or money figure takes its bright bar with it.
    const std::uint16_t background =
        bar && state.lookOf(field) != Look::Hidden ? BarField : std::uint16_t{0};
    std::vector<std::uint16_t> words(NumberStartColumn, background);
    const GlyphSet& set = data.glyphs[static_cast<size_t>(field)];
    for (const auto& glyph : glyphsOf(state, field, set)) {
        words.insert(words.end(), glyph.begin(), glyph.end());
        words.insert(words.end(), GapColumns, background);
    }
    words.resize(static_cast<size_t>(std::max(width, 0)), background);
    return words;
}

std::vector<std::uint32_t> renderPixels(const SimState& state, const DrawingData& data, int width,
                                        int height) {
    std::vector<std::uint32_t> image(static_cast<size_t>(width) * static_cast<size_t>(height),
                                     Background);
    const auto set = [&](int x, int y, std::uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < width && y < height) {
            image[static_cast<size_t>(y) * static_cast<size_t>(width) + x] = rgb;
        }
    };
    if (!state.fullScreen) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (y < ChromeCaption || x < ChromeBorder) {
                    set(x, y, WindowChrome);
                }
            }
        }
    }
    for (int f = 0; f < FieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        if (state.lookOf(field) == Look::Hidden) {
            continue;  // the status bar's background shows through
        }
        const RegionRect& rect = data.regions[static_cast<size_t>(regionOf(state, field))];
        const std::uint32_t lit = field == Field::Lv ? LvLit : BarBright;
        const std::uint32_t unlit = field == Field::Lv ? Background : BarDark;
        const auto words = figureColumns(state, field, data, rect.width);
        for (int col = 0; col < static_cast<int>(words.size()); ++col) {
            for (int row = 0; row < rect.height; ++row) {
                const bool on = row < 16 && ((words[col] >> row) & 1u) != 0;
                set(rect.x + col, rect.y + row, on ? lit : unlit);
            }
        }
    }
    return image;
}

}  // namespace bm::sim
