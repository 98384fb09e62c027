#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "app/Settings.h"
#include "platform/Platform.h"

namespace bm::test {

// Test-side reading of status-bar pixels, written from the documented
// rules so that the stand-in and the capture are checked against an
// independent reader: brightness B + 2G + R lit at 4 x threshold, one
// 16-bit word per column (bit k = row k), and the digit search that scans
// the text of those words for the reference patterns.

std::vector<std::uint16_t> columnWords(const PixelBuffer& pixels, int threshold);
std::vector<std::uint16_t> columnWords(const QImage& image, const QRect& rect, int threshold);
QString toPixelString(const std::vector<std::uint16_t>& words);
std::vector<std::uint16_t> fromPixelString(const QString& text);

// The number read from a pixel string, without leading zeros, or empty
// when no digit is found or the digits are not closed by the delimiter.
QString readNumber(const QString& pixelString, const std::array<QString, GlyphCount>& patterns,
                   int glyphWidth, int regionWidth);

}  // namespace bm::test
