// The pixel string and the recognition: pixels of arbitrary size and
// colour binarised with arbitrary thresholds and masks, then read with
// arbitrary glyph patterns. The encoding is checked pixel by pixel against
// the plain rule, the reading against a plain step-by-step scan.

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ByteReader.h"
#include "FuzzContext.h"
#include "app/RecognitionView.h"
#include "capture/PixelString.h"
#include "measure/RecognizeRegion.h"

namespace {

class SilentView : public bm::RecognitionView {
public:
    void setRecognitionLabel(int, const QString&) override {}
};

// The binarisation rule pixel by pixel, as plainly as it can be said.
bool lit(std::uint32_t pixel, std::int32_t threshold, std::int32_t mask) {
    std::int64_t s = (pixel & 0xFF) + 2 * ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF);
    const std::int64_t t = 4 * static_cast<std::int64_t>(threshold);
    const std::int64_t m = 4 * static_cast<std::int64_t>(mask);
    if (mask >= 0 && t < m && s >= m) {
        s = 0;
    } else if (mask >= 0 && t >= m && s <= m) {
        s = 1020;
    }
    return s >= t;
}

void checkEncoding(const bm::PixelBuffer& pixels, std::int32_t threshold, std::int32_t mask,
                   const QString& text) {
    const int width = std::max(pixels.width, 0);
    if (text.size() != 4 * static_cast<qsizetype>(width)) {
        std::abort();
    }
    const std::int64_t stored =
        width > 0 ? static_cast<std::int64_t>(pixels.pixels.size()) / width : 0;
    const int rows =
        static_cast<int>(std::min<std::int64_t>({std::max(pixels.height, 0), 16, stored}));
    for (int x = 0; x < width; ++x) {
        unsigned word = 0;
        for (int y = 0; y < rows; ++y) {
            word |= static_cast<unsigned>(lit(pixels.at(x, y), threshold, mask)) << y;
        }
        const QString expected = QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
        if (text.mid(4 * x, 4) != expected) {
            std::abort();
        }
    }
}

// The reading step by step as the design describes it, 1-based like its
// text: the leftmost digit pattern found anywhere starts the number (the
// smaller digit on a tie); from there each step compares one glyph's width
// of text with the patterns in order, a digit moving on by a glyph, nothing
// by a column, until the delimiter. Empty patterns match nothing, and the
// scan ends at the last start the region allows or at the end of the text.
QString referenceReading(const QString& pixels, const std::array<QString, bm::GlyphCount>& patterns,
                         std::int32_t glyphColumns, std::int32_t regionWidth) {
    const qsizetype len = pixels.size();
    qsizetype firstPos = 0;
    for (int k = 0; k < 10; ++k) {
        const QString& pattern = patterns[static_cast<std::size_t>(k)];
        const qsizetype p = pattern.isEmpty() ? -1 : pixels.indexOf(pattern) + 1;
        if (p >= 1 && (firstPos == 0 || p < firstPos)) {
            firstPos = p;
        }
    }
    if (firstPos == 0) {
        return {};
    }
    const std::int64_t glyphChars = 4 * static_cast<std::int64_t>(glyphColumns);
    const std::int64_t end =
        std::min<std::int64_t>((static_cast<std::int64_t>(regionWidth) - glyphColumns) * 4, len);
    QString digits;
    for (std::int64_t pos = firstPos; pos <= end;) {
        const QString glyph = glyphChars > 0 ? pixels.mid(pos - 1, glyphChars) : QString();
        int match = -1;
        for (int k = 0; k < bm::GlyphCount && match < 0; ++k) {
            const QString& pattern = patterns[static_cast<std::size_t>(k)];
            if (!pattern.isEmpty() && pattern == glyph) {
                match = k;
            }
        }
        if (match == 10) {
            qsizetype zeros = 0;
            while (zeros + 1 < digits.size() && digits[zeros] == u'0') {
                ++zeros;
            }
            return digits.mid(zeros);
        }
        if (match >= 0) {
            digits += QChar(u'0' + match);
            pos += glyphChars;
        } else {
            pos += 4;
        }
    }
    return {};
}

// One program folder for the whole run; only the debug trace lands there.
QTemporaryDir* programFolder = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        std::abort();
    }
    programFolder = &folder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Layout: the sizes, threshold, mask, reading and flags, the glyph size
    // and region width, then eleven pattern lines and one pixel-string line
    // (used instead of the encoded pixels when flag 4 is set), then the
    // pixels as 32-bit values.
    bm::fuzz::ByteReader in(data, size);
    bm::PixelBuffer pixels;
    // Regions of the status bar are at most a few hundred pixels wide; the
    // stated size may exceed or undercut the pixels actually present.
    pixels.width = static_cast<int>(in.takeInRange(-4, 600));
    pixels.height = static_cast<int>(in.takeInRange(-4, 40));
    const auto threshold = in.take<std::int32_t>();
    const auto mask = in.take<std::int32_t>();
    const int cat = static_cast<int>(in.takeInRange(-1, bm::ReadingCount));
    const auto flags = in.take<std::uint8_t>();
    const auto r = static_cast<std::size_t>(std::clamp(cat, 0, bm::ReadingCount - 1));

    bm::fuzz::FuzzContext f(programFolder->path(), 0xFF);
    QFile::remove(f.log.path());
    f.run.DebugMode = (flags & 1) != 0;
    f.settings.LagCancelTime = (flags & 2) != 0 ? 1 : 0;
    f.settings.PatternSize[0][r] = static_cast<std::int32_t>(in.takeInRange(-2, 40));
    f.settings.PatternSize[1][r] = static_cast<std::int32_t>(in.takeInRange(-2, 40));
    f.settings.CaptureRect[r].Width = in.take<std::int32_t>();
    for (QString& pattern : f.settings.Patterns[r]) {
        pattern = QString::fromLatin1(in.takeLine());
    }
    const QString given = QString::fromLatin1(in.takeLine());

    const std::size_t stated = static_cast<std::size_t>(std::max(pixels.width, 0)) *
                               static_cast<std::size_t>(std::max(pixels.height, 0));
    pixels.pixels.resize(std::min(in.remaining() / 4, stated));
    for (std::uint32_t& p : pixels.pixels) {
        p = in.take<std::uint32_t>();
    }

    const QString text = bm::EncodePixelString(pixels, threshold, mask);
    checkEncoding(pixels, threshold, mask, text);

    f.run.PixelString[r] = (flags & 4) != 0 ? given : text;
    SilentView view;
    QString result = QStringLiteral("stale");
    bm::RecognizeRegion(f.ctx, view, cat, result);
    const QString expected =
        cat >= 0 && cat < bm::ReadingCount
            ? referenceReading(f.run.PixelString[r], f.settings.Patterns[r],
                               f.settings.PatternSize[0][r], f.settings.CaptureRect[r].Width)
            : QString();
    if (result != expected) {
        std::abort();
    }
    return 0;
}
