#include "capture/ImageFiles.h"

#include <QImageWriter>
#include <algorithm>

#include "capture/RegionCapture.h"
#include "platform/Platform.h"

namespace bm {

namespace {

int write(const QImage& picture, const QString& path, const char* format, int quality) {
    if (picture.isNull()) {
        return imagestatus::NoPicture;
    }
    QImageWriter writer(path, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    return writer.write(picture) ? imagestatus::Ok : imagestatus::Failed;
}

}  // namespace

int SavePictureAsBmp(const QImage& picture, const QString& path) {
    return write(picture, path, "bmp", -1);
}

int SavePictureAsPng(const QImage& picture, const QString& path) {
    return write(picture, path, "png", -1);
}

int SavePictureAsJpeg(const QImage& picture, const QString& path, std::int32_t quality) {
    return write(picture, path, "jpeg", std::clamp(quality, 25, 100));
}

void SaveScreenImage(Platform& platform, const QString& base, const QString& key) {
    const bool known = key == QLatin1String(".bmp") || key == QLatin1String(".png") ||
                       key == QLatin1String(".jpg90") || key == QLatin1String(".jpg70");
    if (!known) {
        return;
    }
    const WindowId front = platform.foregroundWindow();
    const WindowRect outer = platform.windowRect(front).value_or(WindowRect{});
    const QImage picture = CaptureForegroundRegion(
        platform, CaptureRect{0, 0, outer.width(), outer.height()}, 0, false);
    if (key == QLatin1String(".bmp")) {
        SavePictureAsBmp(picture, base + QStringLiteral(".bmp"));
    } else if (key == QLatin1String(".png")) {
        SavePictureAsPng(picture, base + QStringLiteral(".png"));
    } else {
        SavePictureAsJpeg(picture, base + QStringLiteral(".jpg"),
                          key == QLatin1String(".jpg90") ? 90 : 70);
    }
}

}  // namespace bm
