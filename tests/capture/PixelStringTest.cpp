#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "capture/PixelString.h"
#include "measure/RunState.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "util/AppContext.h"
#include "util/Cp932.h"
#include "util/ProgramPaths.h"

using bm::EncodePixelString;
using bm::PixelBuffer;

namespace {

// A pixel (B in the low byte, then G, then R) whose B + 2G + R equals s.
std::uint32_t pixelOfBrightness(int s) {
    int g = std::min(255, s / 2);
    int rest = s - 2 * g;
    int b = std::min(255, rest);
    int r = rest - b;
    return static_cast<std::uint32_t>(b | (g << 8) | (r << 16));
}

PixelBuffer filled(int width, int height, std::uint32_t pixel = 0) {
    PixelBuffer buffer;
    buffer.width = width;
    buffer.height = height;
    buffer.pixels.assign(static_cast<size_t>(width) * height, pixel);
    return buffer;
}

void set(PixelBuffer& b, int x, int y, std::uint32_t pixel) {
    b.pixels[static_cast<size_t>(y) * b.width + x] = pixel;
}

// The binarisation rule told step by step: masking changes the brightness,
// then the threshold decides.
bool referenceLit(int s, int threshold, int mask) {
    const long long t = 4LL * threshold;
    const long long m = 4LL * mask;
    long long v = s;
    if (mask >= 0) {
        if (t < m) {
            if (v >= m) {
                v = 0;
            }
        } else if (v <= m) {
            v = 1020;
        }
    }
    return v >= t;
}

QString referenceEncode(const PixelBuffer& b, int threshold, int mask) {
    QString text;
    for (int x = 0; x < b.width; ++x) {
        unsigned word = 0;
        for (int y = 0; y < std::min(b.height, 16); ++y) {
            const std::uint32_t p = b.at(x, y);
            const int s = int(p & 0xFF) + 2 * int((p >> 8) & 0xFF) + int((p >> 16) & 0xFF);
            if (referenceLit(s, threshold, mask)) {
                word |= 1u << y;
            }
        }
        text += QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

// Each brightness 0..1020 once, in a row: column s shows brightness s.
PixelBuffer brightnessRamp() {
    PixelBuffer b = filled(1021, 1);
    for (int s = 0; s <= 1020; ++s) {
        set(b, s, 0, pixelOfBrightness(s));
    }
    return b;
}

QString litColumns(const QString& text) {
    QString flags;
    for (qsizetype i = 0; i < text.size(); i += 4) {
        flags += text.mid(i, 4) == QStringLiteral("0001") ? u'#' : u'.';
    }
    return flags;
}

}  // namespace

TEST(EncodePixelString, ColumnWordsBitZeroAtTop) {
    EXPECT_EQ(EncodePixelString(filled(0, 9), 128, -1), QString());
    EXPECT_EQ(EncodePixelString(filled(6, 9), 128, -1), QString(24, u'0'));
    EXPECT_EQ(EncodePixelString(filled(3, 0), 128, -1), QStringLiteral("000000000000"));

    PixelBuffer b = filled(3, 16);
    set(b, 0, 0, 0xFFFFFF);
    set(b, 1, 15, 0xFFFFFF);
    set(b, 2, 4, 0xFFFFFF);
    set(b, 2, 11, 0xFFFFFF);
    EXPECT_EQ(EncodePixelString(b, 128, -1), QStringLiteral("000180000810"));
}

TEST(EncodePixelString, WorkedExampleDigitZero) {
    const char* rows[] = {".....", ".##..", "#..#.", "#..#.", "#..#.", "#..#.",
                          "#..#.", "#..#.", "#..#.", ".##..", "....."};
    PixelBuffer b = filled(5, 11, pixelOfBrightness(100));
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 5; ++x) {
            if (rows[y][x] == '#') {
                set(b, x, y, pixelOfBrightness(900));
            }
        }
    }
    EXPECT_EQ(EncodePixelString(b, 173, -1), QStringLiteral("01FC0202020201FC0000"));
}

TEST(EncodePixelString, RowsBelowSixteenNeverAppear) {
    PixelBuffer b = filled(2, 100, 0xFFFFFF);
    EXPECT_EQ(EncodePixelString(b, 128, -1), QStringLiteral("FFFFFFFF"));
    PixelBuffer low = filled(2, 100);
    for (int y = 16; y < 100; ++y) {
        set(low, 0, y, 0xFFFFFF);
    }
    EXPECT_EQ(EncodePixelString(low, 128, -1), QStringLiteral("00000000"));
    // A buffer holding fewer pixels than it claims is read as far as it goes.
    PixelBuffer shortBuffer = filled(2, 12, 0xFFFFFF);
    shortBuffer.pixels.resize(5);
    EXPECT_EQ(EncodePixelString(shortBuffer, 128, -1), QStringLiteral("00030003"));
}

TEST(EncodePixelString, ThresholdEdgeIsLit) {
    for (int threshold : {1, 64, 128, 173, 255}) {
        PixelBuffer b = filled(3, 1);
        set(b, 0, 0, pixelOfBrightness(4 * threshold));
        set(b, 1, 0, pixelOfBrightness(4 * threshold - 1));
        set(b, 2, 0, pixelOfBrightness(std::min(4 * threshold + 1, 1020)));
        EXPECT_EQ(EncodePixelString(b, threshold, -1), QStringLiteral("000100000001")) << threshold;
    }
    // Green counts twice, and the unused top byte counts not at all.
    PixelBuffer b = filled(2, 1);
    set(b, 0, 0, 0xFF000000u | (64u << 8));  // s = 128
    set(b, 1, 0, 0xFF000000u | 127u);        // s = 127
    EXPECT_EQ(EncodePixelString(b, 32, -1), QStringLiteral("00010000"));
}

TEST(EncodePixelString, MaskDropsBrightOrAddsDarkPixels) {
    // Threshold 128, mask 200: T = 512, M = 800; only 512..799 are lit.
    PixelBuffer b = filled(6, 1);
    const int band[] = {1020, 800, 799, 512, 511, 0};
    for (int x = 0; x < 6; ++x) {
        set(b, x, 0, pixelOfBrightness(band[x]));
    }
    EXPECT_EQ(litColumns(EncodePixelString(b, 128, 200)), QStringLiteral("..##.."));
    // Threshold 128, mask 50: T = 512, M = 200; at most 200 or at least 512.
    EXPECT_EQ(litColumns(EncodePixelString(b, 128, 50)), QStringLiteral("####.#"));
    // A negative mask switches masking off.
    EXPECT_EQ(litColumns(EncodePixelString(b, 128, -1)), QStringLiteral("####.."));
}

TEST(EncodePixelString, EveryBrightnessFollowsTheRule) {
    const PixelBuffer ramp = brightnessRamp();
    const int pairs[][2] = {{128, -1},
                            {128, 200},
                            {128, 50},
                            {128, 128},
                            {0, -1},
                            {-3, -1},
                            {0, 200},
                            {-1, 0},
                            {255, -1},
                            {256, -1},
                            {300, 100},
                            {255, 255},
                            {256, 300},
                            {1, 0},
                            {173, 1000},
                            {2147483647, -1},
                            {-2147483647 - 1, 5},
                            {100, 2147483647}};
    for (const auto& [threshold, mask] : pairs) {
        EXPECT_EQ(EncodePixelString(ramp, threshold, mask), referenceEncode(ramp, threshold, mask))
            << threshold << " / " << mask;
    }
}

TEST(EncodePixelString, WideRandomRegionsMatchTheColumnByColumnRule) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        const int width = 1 + static_cast<int>(rng() % 200);
        const int height = 1 + static_cast<int>(rng() % 100);
        PixelBuffer b = filled(width, height);
        for (auto& p : b.pixels) {
            p = rng() & 0x00FFFFFFu;
        }
        const int threshold = static_cast<int>(rng() % 300) - 20;
        const int mask = static_cast<int>(rng() % 300) - 60;
        EXPECT_EQ(EncodePixelString(b, threshold, mask), referenceEncode(b, threshold, mask))
            << width << "x" << height << " " << threshold << "/" << mask;
    }
}

namespace {

struct ConvertFixture : ::testing::Test {
    bm::test::TempFolder folder;
    bm::Settings settings;
    bm::RunState run;
    bm::ProgramPaths paths = bm::ProgramPaths::single(folder.path());
    bm::FakePlatform platform;
    bm::DebugLog log{folder.path(), platform};
    bm::test::ScriptedPrompt prompt;
    bm::AppContext ctx{settings, run, paths, platform, log, prompt};

    // Log messages without their time stamps.
    QStringList logMessages() const {
        const QString text = bm::cp932::decode(bm::test::TempFolder::readBytes(log.path()));
        QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (QString& line : lines) {
            line = line.mid(20);
        }
        return lines;
    }
};

// A client area that shows the digit 0 of the worked example at (10, 5).
QImage clientWithZero() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(20, 20, 20));
    const char* rows[] = {".....", ".##..", "#..#.", "#..#.", "#..#.", "#..#.",
                          "#..#.", "#..#.", "#..#.", ".##..", "....."};
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 5; ++x) {
            if (rows[y][x] == '#') {
                image.setPixel(10 + x, 5 + y, qRgb(240, 240, 240));
            }
        }
    }
    return image;
}

}  // namespace

TEST_F(ConvertFixture, CapturesEncodesAndStoresWithItsLogPoints) {
    const bm::WindowId w =
        platform.addWindow(QStringLiteral("LaTale Client"), clientWithZero(), {100, 50}, {4, 24});
    const int rows = bm::ConvertPixelString(ctx, w, {10, 5, 5, 11}, 2, 173, -1);
    EXPECT_EQ(rows, 11);
    EXPECT_EQ(run.PixelString[2], QStringLiteral("01FC0202020201FC0000"));
    EXPECT_EQ(run.PixelString[0], QString());
    EXPECT_EQ(logMessages(),
              QStringList({"ConvertPixelString1", "ConvertPixelString2", "ConvertPixelString3",
                           "ConvertPixelString4", "ConvertPixelString5", "ConvertPixelString10a",
                           "ConvertPixelString11", "ConvertPixelString12"}));

    // The same screen again gives the same text; a changed screen replaces it.
    bm::ConvertPixelString(ctx, w, {10, 5, 5, 11}, 2, 173, -1);
    EXPECT_EQ(run.PixelString[2], QStringLiteral("01FC0202020201FC0000"));
    bm::ConvertPixelString(ctx, w, {11, 5, 5, 11}, 2, 173, -1);
    EXPECT_EQ(run.PixelString[2], QStringLiteral("0202020201FC00000000"));
}

TEST_F(ConvertFixture, MissingWindowOrBadSlotStillEnds) {
    run.PixelString[4] = QStringLiteral("old");
    EXPECT_EQ(bm::ConvertPixelString(ctx, 0x7777, {0, 0, 3, 9}, 4, 128, -1), 0);
    EXPECT_EQ(run.PixelString[4], QStringLiteral("000000000000"));

    const bm::WindowId w = platform.addWindow(QStringLiteral("LaTale Client"), clientWithZero());
    EXPECT_EQ(bm::ConvertPixelString(ctx, w, {0, 0, 3, 9}, 5, 128, -1), 9);
    const QStringList messages = logMessages();
    EXPECT_EQ(messages.last(),
              QStringLiteral("Error Trap : ConvertPixelString : CODE9  Subscript out of range"));
    EXPECT_EQ(run.PixelString[4], QStringLiteral("000000000000"));
}
