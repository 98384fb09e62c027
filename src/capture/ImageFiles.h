#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace bm {

class Platform;

// Status of the picture savers: 0 written, 13 no picture, 1 not written.
namespace imagestatus {
inline constexpr int Ok = 0;
inline constexpr int Failed = 1;
inline constexpr int NoPicture = 13;
}  // namespace imagestatus

// Writes the picture as a BMP file.
int SavePictureAsBmp(const QImage& picture, const QString& path);
int SavePictureAsPng(const QImage& picture, const QString& path);
// The quality is clamped into 25 to 100.
int SavePictureAsJpeg(const QImage& picture, const QString& path, std::int32_t quality);

// Photographs the window in front, frame included, and writes it as
// base + ".bmp", ".png" or ".jpg" by the format key ".bmp", ".png", ".jpg90"
// or ".jpg70" (compared exactly). Any other key writes nothing.
void SaveScreenImage(Platform& platform, const QString& base, const QString& key);

}  // namespace bm
