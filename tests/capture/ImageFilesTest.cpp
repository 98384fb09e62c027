#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>

#include "../measure/MeasureFixture.h"
#include "capture/ImageFiles.h"

namespace bm::test {

namespace {

class ImageFilesTest : public MeasureFixture {
protected:
    ImageFilesTest() {
        QImage client(64, 48, QImage::Format_RGB32);
        client.fill(QColor(10, 200, 30));
        window = platform.addWindow(QStringLiteral("front"), client, {30, 40}, {3, 20});
        platform.setForeground(window);
    }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    WindowId window = 0;
};

}  // namespace

TEST_F(ImageFilesTest, FormatKeyChoosesEncoderAndExtension) {
    const struct {
        const char* key;
        const char* file;
        const char* format;
    } cases[] = {
        {".bmp", "shot.bmp", "bmp"}, {".png", "shot.png", "png"}, {".jpg90", "shot.jpg", "jpeg"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        SaveScreenImage(platform, folder.file(QStringLiteral("shot")), QString::fromLatin1(c.key));
        EXPECT_EQ(files(), QStringList{QString::fromLatin1(c.file)});
        QImageReader reader(folder.file(QString::fromLatin1(c.file)));
        EXPECT_EQ(reader.format(), QByteArray(c.format));
        // The whole window, frame included.
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), QSize(67, 68));
        EXPECT_NEAR(qGreen(image.pixel(30, 40)), 200, 4);  // the client area (lossy in JPEG)
        QFile::remove(folder.file(QString::fromLatin1(c.file)));
    }
}

TEST_F(ImageFilesTest, OtherKeysAndNoPictureWriteNothing) {
    for (const char* key : {".BMP", ".jpg", ".gif", ""}) {
        SaveScreenImage(platform, folder.file(QStringLiteral("shot")), QString::fromLatin1(key));
    }
    EXPECT_TRUE(files().isEmpty());
    EXPECT_EQ(SavePictureAsPng(QImage(), folder.file(QStringLiteral("x.png"))), 13);
    EXPECT_EQ(SavePictureAsJpeg(QImage(), folder.file(QStringLiteral("x.jpg")), 90), 13);
    EXPECT_TRUE(files().isEmpty());
}

}  // namespace bm::test
