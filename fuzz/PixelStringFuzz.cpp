// The pixel string and the recognition: pixels of arbitrary size and
// colour binarised with arbitrary thresholds and masks, then read with
// arbitrary glyph patterns. The encoding is checked pixel by pixel against
// the plain rule; the reading must be empty or a number without leading
// zeros.

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ByteReader.h"
#include "FuzzContext.h"
#include "capture/PixelString.h"
#include "measure/RecognitionView.h"
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
    for (QChar c : result) {
        if (c < u'0' || c > u'9') {
            std::abort();
        }
    }
    if (result.size() > 1 && result[0] == u'0') {
        std::abort();
    }
    return 0;
}
