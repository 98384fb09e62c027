#include "capture/PixelString.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "app/AppContext.h"
#include "app/RunState.h"
#include "records/DebugLog.h"

namespace bm {

namespace {

// Brightness B + 2G + R runs from 0 to 1020.
constexpr std::int64_t MaxBrightness = 1020;
// Only the top 16 rows of a region fit in a column word.
constexpr int WordRows = 16;
// Columns binarised together. The lane loop has a fixed trip count so that
// the compiler turns it into vector code even at -O2; a narrower last group
// is padded through a small copy.
constexpr int Lanes = 16;

// Which brightness values count as lit, as two ranges so that the pixel loop
// needs no branch: lit when low <= s < low + span, or when s <= darkUpTo.
struct LitRule {
    std::int32_t low = 0;
    std::uint32_t span = 0;
    std::int32_t darkUpTo = -1;  // -1: no dark pixel is lit
};

LitRule makeLitRule(std::int32_t threshold, std::int32_t mask) {
    const std::int64_t t = 4 * static_cast<std::int64_t>(threshold);
    const std::int64_t m = 4 * static_cast<std::int64_t>(mask);
    const std::int64_t end = MaxBrightness + 1;
    std::int64_t low = std::clamp<std::int64_t>(t, 0, end);
    std::int64_t high = end;
    std::int64_t darkUpTo = -1;
    if (mask >= 0 && t < m) {
        // Pixels at or above the mask are made dark (0): lit only inside
        // [t, m), unless t <= 0, which lights even those darkened pixels.
        if (t > 0) {
            high = std::clamp<std::int64_t>(m, low, end);
        }
    } else if (mask >= 0) {
        // Pixels at or below the mask are made fully bright (1020), which is
        // lit unless the threshold lies above every brightness.
        if (t <= MaxBrightness) {
            darkUpTo = std::min(m, MaxBrightness);
        }
    }
    return {static_cast<std::int32_t>(low), static_cast<std::uint32_t>(high - low),
            static_cast<std::int32_t>(darkUpTo)};
}

// The two upper-case hex digits of every byte value.
constexpr std::array<std::array<char16_t, 2>, 256> makeHexPairs() {
    constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::array<std::array<char16_t, 2>, 256> table{};
    for (int b = 0; b < 256; ++b) {
        table[b] = {digits[b >> 4], digits[b & 15]};
    }
    return table;
}
constexpr auto HexPairs = makeHexPairs();

void writeWord(char16_t* out, std::uint16_t word) {
    std::memcpy(out, HexPairs[word >> 8].data(), 2 * sizeof(char16_t));
    std::memcpy(out + 2, HexPairs[word & 0xFF].data(), 2 * sizeof(char16_t));
}

// ORs the lit flag of every pixel of one row of a column group into bit
// `row` of the group's column words. No branch per pixel.
void binariseLanes(const std::uint32_t* pixels, const LitRule& rule, int row,
                   std::uint32_t* words) {
    for (int i = 0; i < Lanes; ++i) {
        const std::uint32_t p = pixels[i];
        const auto s =
            static_cast<std::int32_t>((p & 0xFFu) + ((p >> 7) & 0x1FEu) + ((p >> 16) & 0xFFu));
        const std::uint32_t lit =
            static_cast<std::uint32_t>(static_cast<std::uint32_t>(s - rule.low) < rule.span) |
            static_cast<std::uint32_t>(s <= rule.darkUpTo);
        words[i] |= lit << row;
    }
}

}  // namespace

QString EncodePixelString(const PixelBuffer& pixels, std::int32_t threshold, std::int32_t mask) {
    const int width = std::max(pixels.width, 0);
    if (width == 0) {
        return {};
    }
    // Rows below the sixteenth never reach the text; a buffer shorter than
    // its stated size is read only as far as it goes.
    const auto storedRows = static_cast<std::int64_t>(pixels.pixels.size()) / width;
    const int rows = static_cast<int>(
        std::min<std::int64_t>({std::max(pixels.height, 0), WordRows, storedRows}));
    const LitRule rule = makeLitRule(threshold, mask);

    QString text(4 * static_cast<qsizetype>(width), Qt::Uninitialized);
    static_assert(sizeof(QChar) == sizeof(char16_t));
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const std::uint32_t* data = pixels.pixels.data();
    for (int x0 = 0; x0 < width; x0 += Lanes) {
        const int n = std::min(Lanes, width - x0);
        std::uint32_t words[Lanes] = {};
        std::uint32_t padded[Lanes] = {};
        for (int y = 0; y < rows; ++y) {
            const std::uint32_t* row = data + static_cast<size_t>(y) * width + x0;
            if (n < Lanes) {
                std::memcpy(padded, row, static_cast<size_t>(n) * sizeof(std::uint32_t));
                row = padded;
            }
            binariseLanes(row, rule, y, words);
        }
        for (int i = 0; i < n; ++i) {
            writeWord(out + 4 * static_cast<qsizetype>(x0 + i),
                      static_cast<std::uint16_t>(words[i]));
        }
    }
    return text;
}

int ConvertPixelString(AppContext& ctx, WindowId window, const CaptureRect& rect, int index,
                       std::int32_t threshold, std::int32_t mask) {
    DebugLog& log = ctx.log;
    log.WriteDebugLog(QStringLiteral("ConvertPixelString1"));
    PixelBuffer buffer;
    log.WriteDebugLog(QStringLiteral("ConvertPixelString2"));
    log.WriteDebugLog(QStringLiteral("ConvertPixelString3"));
    // One read-out of the client rectangle covers the context, bitmap, copy
    // and pixel steps that the log marks around it. A window that has gone
    // away leaves a black buffer, which is encoded like any other.
    const bool read =
        ctx.platform.captureRegion(window, true, rect.X, rect.Y, rect.Width, rect.Height, buffer);
    log.WriteDebugLog(QStringLiteral("ConvertPixelString4"));
    log.WriteDebugLog(QStringLiteral("ConvertPixelString5"));

    log.WriteDebugLog(QStringLiteral("ConvertPixelString10a"));
    QString text = EncodePixelString(buffer, threshold, mask);
    log.WriteDebugLog(QStringLiteral("ConvertPixelString11"));

    ErrorTrap trap;
    if (index >= 0 && index < RegionCount) {
        ctx.run.PixelString[static_cast<size_t>(index)] = std::move(text);
    } else {
        trap.fail(errcode::SubscriptOutOfRange);
    }
    log.WriteDebugLog(QStringLiteral("ConvertPixelString12"));
    trap.report(log, QStringLiteral("ConvertPixelString"));
    return read ? buffer.height : 0;
}

}  // namespace bm
