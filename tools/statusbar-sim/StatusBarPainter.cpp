#include "StatusBarPainter.h"

#include <QPainter>

#include "settings/SettingsDefaults.h"

namespace bm::sim {

namespace {

// Brightness B + 2G + R of the colours against the default thresholds:
// level lit 887 (>= 692), Exp/money bright 920 (>= 744 and >= 508), dark
// 140 and 160 (below 508).
const QColor Background(28, 32, 48);
const QColor LvLit(255, 236, 160);
const QColor BarBright(232, 232, 224);
const QColor BarDark(32, 40, 48);
const QColor WindowChrome(70, 78, 96);

constexpr int BlobWidth = 5;
constexpr std::uint16_t LvBlobColumn = 0x03FE;   // rows 1-9 lit
constexpr std::uint16_t BarBlobColumn = 0x0101;  // rows 1-7 dark
constexpr std::uint16_t BarField = 0x01FF;       // nine bright rows

std::vector<std::uint16_t> patternColumns(const QString& pattern) {
    std::vector<std::uint16_t> words;
    for (qsizetype i = 0; i + 4 <= pattern.size(); i += 4) {
        words.push_back(static_cast<std::uint16_t>(pattern.mid(i, 4).toUInt(nullptr, 16)));
    }
    return words;
}

// The glyphs of a figure from left to right, as column words.
std::vector<std::vector<std::uint16_t>> glyphsOf(const SimState& state, Field field,
                                                 const Settings& settings) {
    const int r = static_cast<int>(field);
    const auto& patterns = settings.Patterns[r];
    std::vector<std::vector<std::uint16_t>> glyphs;
    const Look look = state.lookOf(field);
    if (look == Look::Hidden) {
        return glyphs;
    }
    if (look == Look::Unreadable) {
        const std::uint16_t blob = field == Field::Lv ? LvBlobColumn : BarBlobColumn;
        glyphs.assign(2, std::vector<std::uint16_t>(BlobWidth, blob));
    } else {
        const auto digit = [&](QChar c) {
            glyphs.push_back(patternColumns(patterns[c.digitValue()]));
        };
        if (field == Field::Lv) {
            for (const QChar c : QString::number(state.lv)) {
                digit(c);
            }
        } else if (field == Field::Exp) {
            const QString whole = QString::number(state.expHundredths / 100);
            const QString hundredths =
                QString::number(state.expHundredths % 100).rightJustified(2, u'0');
            for (const QChar c : whole) {
                digit(c);
            }
            glyphs.push_back({DecimalPointColumn});
            for (const QChar c : hundredths) {
                digit(c);
            }
        } else {
            const QString digits = QString::number(state.money);
            for (qsizetype i = 0; i < digits.size(); ++i) {
                if (i > 0 && (digits.size() - i) % 3 == 0) {
                    glyphs.push_back({ThousandsCommaColumn});
                }
                digit(digits[i]);
            }
        }
    }
    glyphs.push_back(patternColumns(patterns[DelimiterGlyph]));
    return glyphs;
}

}  // namespace

Settings drawingSettings(const SimState& state) {
    Settings s;
    applyCaptureDefaults(s, state.fullScreen, state.windows7Lv);
    applyExtensionDefaults(s, state.fullScreen);
    return s;
}

int regionOf(const SimState& state, Field field) {
    if (field == Field::Lv) {
        return 0;
    }
    const int first = field == Field::Exp ? 1 : 2;
    return state.position == 2 ? first + 2 : first;
}

std::vector<std::uint16_t> fieldColumns(const SimState& state, Field field,
                                        const Settings& settings) {
    const auto& rect = settings.CaptureRect[regionOf(state, field)];
    const bool bar = field != Field::Lv;
    // A hidden Exp or money figure takes its bright bar with it.
    const std::uint16_t background =
        bar && state.lookOf(field) != Look::Hidden ? BarField : std::uint16_t{0};
    std::vector<std::uint16_t> words(NumberStartColumn, background);
    for (const auto& glyph : glyphsOf(state, field, settings)) {
        words.insert(words.end(), glyph.begin(), glyph.end());
        words.insert(words.end(), GapColumns, background);
    }
    words.resize(static_cast<size_t>(std::max(rect.Width, 0)), background);
    return words;
}

QImage renderStatusBar(const SimState& state, QSize clientSize) {
    QImage image(clientSize, QImage::Format_RGB32);
    image.fill(Background);
    const Settings settings = drawingSettings(state);
    if (!state.fullScreen) {
        // The game's own border and caption in window mode.
        QPainter p(&image);
        p.fillRect(0, 0, clientSize.width(), 22, WindowChrome);
        p.fillRect(0, 0, 3, clientSize.height(), WindowChrome);
    }
    for (int f = 0; f < FieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        if (state.lookOf(field) == Look::Hidden) {
            continue;  // the status bar's background shows through
        }
        const auto& rect = settings.CaptureRect[regionOf(state, field)];
        const QRgb lit = (field == Field::Lv ? LvLit : BarBright).rgb();
        const QRgb unlit = (field == Field::Lv ? Background : BarDark).rgb();
        const auto words = fieldColumns(state, field, settings);
        for (int col = 0; col < static_cast<int>(words.size()); ++col) {
            const int x = rect.X + col;
            for (int row = 0; row < rect.Height; ++row) {
                const int y = rect.Y + row;
                if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
                    continue;
                }
                const bool on = row < 16 && ((words[col] >> row) & 1u) != 0;
                image.setPixel(x, y, on ? lit : unlit);
            }
        }
    }
    return image;
}

}  // namespace bm::sim
