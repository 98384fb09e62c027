#include <gtest/gtest.h>

#include <random>

#include "measure/GlyphMatcher.h"

using bm::DigitReading;
using bm::GlyphCount;
using bm::GlyphMatcher;
using Patterns = std::array<QString, GlyphCount>;

namespace {

// Recognition done the plain way: one substring search per digit for the
// start, then glyph-wide substrings compared with every pattern.
DigitReading referenceRead(const QString& s, const Patterns& patterns, int glyphColumns,
                           int regionWidth, GlyphMatcher::Hit* firstHit = nullptr) {
    DigitReading r;
    GlyphMatcher::Hit first;
    for (int k = 0; k < 10; ++k) {
        if (patterns[k].isEmpty()) {
            continue;
        }
        const qsizetype p = s.indexOf(patterns[k]);
        if (p >= 0 && (first.offset < 0 || p < first.offset)) {
            first = {p, k};
        }
    }
    if (firstHit != nullptr) {
        *firstHit = first;
    }
    if (first.offset < 0) {
        return r;
    }
    r.outcome = DigitReading::Outcome::NoDelimiter;
    const long long glyphChars = 4LL * glyphColumns;
    const long long end = (static_cast<long long>(regionWidth) - glyphColumns) * 4;
    for (long long pos = first.offset + 1; pos <= end;) {  // 1-based
        const QString piece =
            glyphChars <= 0 || pos > s.size() ? QString() : s.mid(pos - 1, glyphChars);
        int match = -1;
        for (int k = 0; k < GlyphCount && match < 0; ++k) {
            if (!patterns[k].isEmpty() && piece == patterns[k]) {
                match = k;
            }
        }
        if (match == bm::DelimiterGlyph) {
            r.outcome = DigitReading::Outcome::Delimited;
            return r;
        }
        if (match >= 0) {
            r.digits += QChar(u'0' + match);
            pos += glyphChars;
        } else {
            pos += 4;
        }
    }
    return r;
}

struct Case {
    Patterns patterns;
    int glyphColumns = 5;
    QString alphabet;
};

// Patterns over a two-letter alphabet overlap and collide all the time; some
// are shorter or longer than a glyph, empty, or in lower case.
Case randomCase(std::mt19937& rng) {
    Case c;
    c.glyphColumns = 1 + static_cast<int>(rng() % 3);
    c.alphabet = rng() % 2 ? QStringLiteral("01") : QStringLiteral("01Aa");
    const int glyphChars = 4 * c.glyphColumns;
    for (auto& p : c.patterns) {
        const int lengths[] = {
            static_cast<int>(rng() % 4), glyphChars + 1 + static_cast<int>(rng() % 3),
            std::max(1, glyphChars - 1 - static_cast<int>(rng() % 3)), glyphChars, glyphChars};
        for (int i = lengths[rng() % 5]; i > 0; --i) {
            p += c.alphabet[rng() % c.alphabet.size()];
        }
    }
    c.patterns[rng() % GlyphCount] = c.patterns[rng() % GlyphCount];
    return c;
}

// Text built from whole patterns, pieces of patterns, single characters (which
// shift everything after them off the column grid) and empty columns.
QString randomText(std::mt19937& rng, const Case& c) {
    QString text;
    for (int i = static_cast<int>(rng() % 24); i > 0; --i) {
        const QString& p = c.patterns[rng() % GlyphCount];
        const auto cut = static_cast<qsizetype>(rng() % (p.size() + 1));
        const QString pieces[] = {p,
                                  p,
                                  p.left(cut),
                                  p.mid(cut),
                                  QString(c.alphabet[rng() % c.alphabet.size()]),
                                  QStringLiteral("0000")};
        text += pieces[rng() % 6];
    }
    return text;
}

void expectSameReading(const QString& text, const Case& c, int regionWidth) {
    GlyphMatcher::Hit expectedHit;
    const DigitReading expected =
        referenceRead(text, c.patterns, c.glyphColumns, regionWidth, &expectedHit);
    const GlyphMatcher matcher(c.patterns, c.glyphColumns);
    const GlyphMatcher::Hit hit = matcher.findFirstDigit(text);
    const DigitReading got =
        ReadDigits(text, matcher, (static_cast<std::int64_t>(regionWidth) - c.glyphColumns) * 4);
    ASSERT_EQ(std::tuple(hit.offset, hit.glyph, got.outcome, got.digits),
              std::tuple(expectedHit.offset, expectedHit.glyph, expected.outcome, expected.digits))
        << text.toStdString() << " width " << regionWidth;
}

}  // namespace

TEST(GlyphMatcher, ReadsLikeThePlainSearchOnOverlappingPatterns) {
    std::mt19937 rng(99);
    for (int round = 0; round < 600; ++round) {
        const Case c = randomCase(rng);
        for (int i = 0; i < 40; ++i) {
            const QString text = randomText(rng, c);
            const int width = static_cast<int>(rng() % (text.size() / 4 + 4)) - 1;
            expectSameReading(text, c, width);
        }
    }
}
