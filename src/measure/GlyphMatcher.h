#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

#include "app/Settings.h"

namespace bm {

// The eleven reference patterns of one reading (digits 0-9 and the
// delimiter), prepared for exact matching inside a pixel string. Matching is
// character for character; the first four characters of each pattern are
// hashed into a small table so that most text offsets are ruled out with
// one 64-bit load and one table look-up.
//
// The matcher refers to the pattern texts; they must outlive it.
class GlyphMatcher {
public:
    GlyphMatcher(const std::array<QString, GlyphCount>& patterns, std::int32_t glyphColumns);

    struct Hit {
        qsizetype offset = -1;  // 0-based character offset; -1 when nothing was found
        int glyph = -1;
    };
    // The leftmost character offset (any offset, not only column starts) at
    // which one of the digit patterns 0-9 occurs, with the smallest digit
    // occurring there. The delimiter is not looked for.
    Hit findFirstDigit(QStringView text) const;

    // The first glyph, in the order 0-9 and then the delimiter, whose pattern
    // equals the glyph-wide piece of `text` that starts at `offset` (shorter
    // when the text ends first); -1 when none does.
    int glyphAt(QStringView text, qsizetype offset) const;

    // Characters of one glyph: four per pixel column.
    qsizetype glyphChars() const { return glyphChars_; }

private:
    static constexpr int BucketBits = 8;
    static constexpr std::uint16_t DigitMask = (1u << 10) - 1;

    bool equalsAt(const char16_t* at, int glyph) const;
    Hit findFirstDigitWithShortPatterns(QStringView text) const;

    std::array<const char16_t*, GlyphCount> text_{};
    std::array<qsizetype, GlyphCount> length_{};
    // The first four characters of each pattern of at least that length.
    std::array<std::uint64_t, GlyphCount> prefix_{};
    // Bit g of a bucket: pattern g's first four characters hash to it.
    std::array<std::uint16_t, 1u << BucketBits> buckets_{};
    // Patterns of one to three characters have no four-character prefix and
    // are tried everywhere; empty patterns describe no glyph and never match.
    std::uint16_t shortPatterns_ = 0;
    qsizetype glyphChars_ = 0;
};

// Follows a digit scan step by step (pauses, progress display, trace).
class DigitScanObserver {
public:
    virtual ~DigitScanObserver() = default;
    // Before the glyph at the next position is compared.
    virtual void beforeStep() = 0;
    // After a step that read the digit `glyph` (0-9) or, with -1, found no
    // glyph and moved one column on. `digits` is the text read so far.
    virtual void afterStep(int glyph, QStringView digits) = 0;
    // The delimiter ended the number.
    virtual void delimiterFound() = 0;
};

struct DigitReading {
    enum class Outcome {
        NoDigit,      // no digit pattern anywhere in the text
        NoDelimiter,  // the scan passed its last start position without a delimiter
        Delimited,    // the delimiter ended the number
    };
    Outcome outcome = Outcome::NoDigit;
    QString digits;  // as read, leading zeros kept
};

// Reads the digits of one number: starts at the leftmost digit found
// anywhere in `text`, then steps by whole glyphs (after a digit) or single
// columns (where no pattern matches: gaps, decimal points, separators) until
// the delimiter. `lastStart` is the last 1-based character position at which
// a glyph is compared. `observer` may be null.
DigitReading ReadDigits(QStringView text, const GlyphMatcher& matcher, std::int64_t lastStart,
                        DigitScanObserver* observer = nullptr);

}  // namespace bm
