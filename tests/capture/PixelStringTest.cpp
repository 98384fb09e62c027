#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "capture/PixelString.h"
#include "platform/fake/FakePlatform.h"
#include "support/TestContext.h"

using bm::EncodePixelString;
using bm::PixelBuffer;

namespace {

// A pixel (B in the low byte, then G, then R) whose B + 2G + R equals s.
std::uint32_t pixelOfBrightness(int s) {
    const int g = std::min(255, s / 2);
    const int b = std::min(255, s - 2 * g);
    return static_cast<std::uint32_t>(b | (g << 8) | ((s - 2 * g - b) << 16));
}

PixelBuffer filled(int width, int height, std::uint32_t pixel = 0) {
    return {width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height, pixel)};
}

// The rule told step by step: the mask changes the brightness, then the
// threshold decides; each column is written with the usual number formatting.
QString referenceEncode(const PixelBuffer& b, int threshold, int mask) {
    const long long t = 4LL * threshold, m = 4LL * mask;
    QString text;
    for (int x = 0; x < b.width; ++x) {
        unsigned word = 0;
        for (int y = 0; y < std::min(b.height, 16); ++y) {
            const std::uint32_t p = b.at(x, y);
            long long s = (p & 0xFF) + 2 * ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF);
            if (mask >= 0 && t < m && s >= m) {
                s = 0;
            } else if (mask >= 0 && t >= m && s <= m) {
                s = 1020;
            }
            word |= s >= t ? 1u << y : 0u;
        }
        text += QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

}  // namespace

TEST(EncodePixelString, ColumnWordsHoldTheTopSixteenRows) {
    EXPECT_EQ(EncodePixelString(filled(0, 9), 128, -1), QString());
    EXPECT_EQ(EncodePixelString(filled(6, 9), 128, -1), QString(24, u'0'));
    PixelBuffer b = filled(4, 100);
    b.pixels[0] = b.pixels[4 * 15 + 1] = b.pixels[4 * 4 + 2] = b.pixels[4 * 11 + 2] = 0xFFFFFF;
    for (int y = 16; y < 100; ++y) {
        b.pixels[4 * y + 3] = 0xFFFFFF;  // never appears
    }
    EXPECT_EQ(EncodePixelString(b, 128, -1), QStringLiteral("0001800008100000"));
    // A buffer holding fewer pixels than it claims is read as far as it goes.
    PixelBuffer shortBuffer = filled(2, 12, 0xFFFFFF);
    shortBuffer.pixels.resize(5);
    EXPECT_EQ(EncodePixelString(shortBuffer, 128, -1), QStringLiteral("00030003"));
    // Green counts twice; the unused top byte counts not at all.
    PixelBuffer b2 = filled(2, 1);
    b2.pixels = {0xFF000000u | (64u << 8), 0xFF00007Fu};  // 128 and 127
    EXPECT_EQ(EncodePixelString(b2, 32, -1), QStringLiteral("00010000"));
}

TEST(EncodePixelString, EveryBrightnessFollowsTheRule) {
    PixelBuffer ramp = filled(1021, 1);
    for (int s = 0; s <= 1020; ++s) {
        ramp.pixels[s] = pixelOfBrightness(s);
    }
    const int pairs[][2] = {
        {128, -1},        {128, 200}, {128, 50},   {128, 128},       {0, -1},
        {-3, -1},         {0, 200},   {-1, 0},     {256, -1},        {300, 100},
        {255, 255},       {1, 0},     {173, 1000}, {2147483647, -1}, {-2147483647 - 1, 5},
        {100, 2147483647}};
    for (const auto& [threshold, mask] : pairs) {
        EXPECT_EQ(EncodePixelString(ramp, threshold, mask), referenceEncode(ramp, threshold, mask))
            << threshold << " / " << mask;
    }
}

namespace {

struct ConvertPixelStringTest : ::testing::Test, bm::test::TestContext<> {};

// A dark client area with a light bar, two pixels wide, over rows 6 to 14
// of columns 11 and 12.
QImage clientWithBar() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(20, 20, 20));
    QPainter(&image).fillRect(11, 6, 2, 9, QColor(240, 240, 240));
    return image;
}

}  // namespace

TEST_F(ConvertPixelStringTest, CapturesEncodesAndStores) {
    const bm::WindowId w =
        platform.addWindow(QStringLiteral("LaTale Client"), clientWithBar(), {100, 50}, {4, 24});
    EXPECT_EQ(bm::ConvertPixelString(ctx, w, {10, 5, 5, 11}, 2, 173, -1), 11);
    EXPECT_EQ(run.PixelString[2], QStringLiteral("000003FE03FE00000000"));
    EXPECT_EQ(run.PixelString[0], QString());
    bm::ConvertPixelString(ctx, w, {11, 5, 5, 11}, 2, 173, -1);
    EXPECT_EQ(run.PixelString[2], QStringLiteral("03FE03FE000000000000"));
}

TEST_F(ConvertPixelStringTest, MissingWindowOrBadSlotStillEnds) {
    run.PixelString[4] = QStringLiteral("old");
    EXPECT_EQ(bm::ConvertPixelString(ctx, 0x7777, {0, 0, 3, 9}, 4, 128, -1), 0);
    EXPECT_EQ(run.PixelString[4], QStringLiteral("000000000000"));

    const bm::WindowId w = platform.addWindow(QStringLiteral("LaTale Client"), clientWithBar());
    EXPECT_EQ(bm::ConvertPixelString(ctx, w, {0, 0, 3, 9}, 5, 128, -1), 9);
    EXPECT_EQ(logMessages().last(),
              QStringLiteral("Error Trap : ConvertPixelString : CODE9  Subscript out of range"));
}
