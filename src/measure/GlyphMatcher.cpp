#include "measure/GlyphMatcher.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace bm {

namespace {

// Four UTF-16 characters as one 64-bit value.
inline std::uint64_t load4(const char16_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <int Bits>
inline unsigned bucketOf(std::uint64_t prefix) {
    return static_cast<unsigned>((prefix * 0x9E3779B97F4A7C15ull) >> (64 - Bits));
}

}  // namespace

GlyphMatcher::GlyphMatcher(const std::array<QString, GlyphCount>& patterns,
                           std::int32_t glyphColumns)
    : glyphChars_(4 * static_cast<qsizetype>(glyphColumns)) {
    for (int g = 0; g < GlyphCount; ++g) {
        const QString& p = patterns[static_cast<size_t>(g)];
        text_[g] = reinterpret_cast<const char16_t*>(p.utf16());
        length_[g] = p.size();
        const auto bit = static_cast<std::uint16_t>(1u << g);
        if (p.size() >= 4) {
            prefix_[g] = load4(text_[g]);
            buckets_[bucketOf<BucketBits>(prefix_[g])] |= bit;
        } else if (!p.isEmpty()) {
            shortPatterns_ |= bit;
        }
    }
}

bool GlyphMatcher::equalsAt(const char16_t* at, int glyph) const {
    return std::memcmp(at, text_[glyph], static_cast<size_t>(length_[glyph]) * sizeof(char16_t)) ==
           0;
}

GlyphMatcher::Hit GlyphMatcher::findFirstDigit(QStringView text) const {
    if ((shortPatterns_ & DigitMask) != 0) {
        return findFirstDigitWithShortPatterns(text);
    }
    const auto* s = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i + 4 <= n; ++i) {
        const std::uint64_t window = load4(s + i);
        std::uint32_t candidates = buckets_[bucketOf<BucketBits>(window)] & DigitMask;
        // Ascending digit order: the first pattern that matches is the
        // smallest digit at this offset.
        while (candidates != 0) {
            const int g = std::countr_zero(candidates);
            candidates &= candidates - 1;
            if (prefix_[g] == window && length_[g] <= n - i && equalsAt(s + i, g)) {
                return {i, g};
            }
        }
    }
    return {};
}

GlyphMatcher::Hit GlyphMatcher::findFirstDigitWithShortPatterns(QStringView text) const {
    const auto* s = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        std::uint32_t candidates = shortPatterns_ & DigitMask;
        if (i + 4 <= n) {
            candidates |= buckets_[bucketOf<BucketBits>(load4(s + i))] & DigitMask;
        }
        while (candidates != 0) {
            const int g = std::countr_zero(candidates);
            candidates &= candidates - 1;
            if (length_[g] <= n - i && equalsAt(s + i, g)) {
                return {i, g};
            }
        }
    }
    return {};
}

int GlyphMatcher::glyphAt(QStringView text, qsizetype offset) const {
    const qsizetype n = text.size();
    if (offset < 0 || offset >= n || glyphChars_ <= 0) {
        return -1;
    }
    const qsizetype available = std::min(glyphChars_, n - offset);
    const auto* at = reinterpret_cast<const char16_t*>(text.utf16()) + offset;
    std::uint32_t candidates = shortPatterns_;
    if (available >= 4) {
        candidates |= buckets_[bucketOf<BucketBits>(load4(at))];
    }
    while (candidates != 0) {
        const int g = std::countr_zero(candidates);
        candidates &= candidates - 1;
        if (length_[g] == available && equalsAt(at, g)) {
            return g;
        }
    }
    return -1;
}

DigitReading ReadDigits(QStringView text, const GlyphMatcher& matcher, std::int64_t lastStart,
                        DigitScanObserver* observer) {
    DigitReading reading;
    const GlyphMatcher::Hit first = matcher.findFirstDigit(text);
    if (first.glyph < 0) {
        return reading;
    }
    reading.outcome = DigitReading::Outcome::NoDelimiter;
    reading.digits.reserve(16);
    // Positions are 0-based here; the last start is given 1-based. Past the
    // end of the text nothing can match any more, so the scan stops there.
    const std::int64_t last = std::min<std::int64_t>(lastStart - 1, text.size() - 1);
    for (std::int64_t pos = first.offset; pos <= last;) {
        if (observer != nullptr) {
            observer->beforeStep();
        }
        const int glyph = matcher.glyphAt(text, static_cast<qsizetype>(pos));
        if (glyph == DelimiterGlyph) {
            if (observer != nullptr) {
                observer->delimiterFound();
            }
            reading.outcome = DigitReading::Outcome::Delimited;
            return reading;
        }
        if (glyph >= 0) {
            reading.digits.append(QChar(u'0' + glyph));
            pos += matcher.glyphChars();
        } else {
            pos += 4;
        }
        if (observer != nullptr) {
            observer->afterStep(glyph, reading.digits);
        }
    }
    return reading;
}

}  // namespace bm
