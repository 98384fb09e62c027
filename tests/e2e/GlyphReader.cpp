#include "GlyphReader.h"

namespace bm::test {

namespace {
int brightness(std::uint32_t pixel) {
    const int b = pixel & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int r = (pixel >> 16) & 0xFF;
    return b + 2 * g + r;
}
}  // namespace

std::vector<std::uint16_t> columnWords(const PixelBuffer& pixels, int threshold) {
    std::vector<std::uint16_t> words(static_cast<size_t>(pixels.width), 0);
    for (int x = 0; x < pixels.width; ++x) {
        for (int y = 0; y < std::min(pixels.height, 16); ++y) {
            if (brightness(pixels.at(x, y)) >= 4 * threshold) {
                words[x] |= static_cast<std::uint16_t>(1u << y);
            }
        }
    }
    return words;
}

std::vector<std::uint16_t> columnWords(const QImage& image, const QRect& rect, int threshold) {
    PixelBuffer buffer;
    buffer.width = rect.width();
    buffer.height = rect.height();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            buffer.pixels.push_back(image.valid(x, y) ? image.pixel(x, y) & 0xFFFFFFu : 0u);
        }
    }
    return columnWords(buffer, threshold);
}

QString toPixelString(const std::vector<std::uint16_t>& words) {
    static const char hex[] = "0123456789ABCDEF";
    QString text(static_cast<qsizetype>(words.size()) * 4, QLatin1Char('0'));
    for (size_t i = 0; i < words.size(); ++i) {
        for (int d = 0; d < 4; ++d) {
            text[static_cast<qsizetype>(i) * 4 + d] =
                QLatin1Char(hex[(words[i] >> (12 - 4 * d)) & 0xF]);
        }
    }
    return text;
}

std::vector<std::uint16_t> fromPixelString(const QString& text) {
    std::vector<std::uint16_t> words;
    for (qsizetype i = 0; i + 4 <= text.size(); i += 4) {
        words.push_back(static_cast<std::uint16_t>(text.mid(i, 4).toUInt(nullptr, 16)));
    }
    return words;
}

QString readNumber(const QString& pixelString, const std::array<QString, GlyphCount>& patterns,
                   int glyphWidth, int regionWidth) {
    const qsizetype glyphChars = glyphWidth * 4;
    const qsizetype length = pixelString.size();
    // Positions count from 1 as in the documented search.
    qsizetype firstPos = length;
    for (int k = 0; k < 10; ++k) {
        const qsizetype p = pixelString.indexOf(patterns[k]) + 1;
        if (p >= 1 && p < firstPos) {
            firstPos = p;
        }
    }
    if (firstPos == length) {
        return {};
    }
    const qsizetype end = static_cast<qsizetype>(regionWidth - glyphWidth) * 4;
    QString digits;
    bool closed = false;
    for (qsizetype pos = firstPos; pos <= end && !closed;) {
        const QString glyph = pixelString.mid(pos - 1, glyphChars);
        int match = -1;
        for (int k = 0; k < GlyphCount && match < 0; ++k) {
            if (glyph == patterns[k]) {
                match = k;
            }
        }
        if (match == DelimiterGlyph) {
            closed = true;
        } else if (match >= 0) {
            digits += QString::number(match);
            pos += glyphChars;
        } else {
            pos += 4;
        }
    }
    if (!closed || digits.isEmpty()) {
        return {};
    }
    return QString::number(digits.toULongLong());
}

}  // namespace bm::test
