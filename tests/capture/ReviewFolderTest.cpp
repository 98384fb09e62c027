#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>

#include "capture/ReviewFolder.h"
#include "support/TempFolder.h"

namespace bm::test {

namespace {

std::vector<QImage> fiveRegions() {
    std::vector<QImage> regions;
    for (int i = 0; i < 5; ++i) {
        QImage image(10 + i, 8, QImage::Format_RGB32);
        image.fill(QColor(20 * i, 100, 200));
        regions.push_back(image);
    }
    return regions;
}

}  // namespace

TEST(ReviewFolder, SavesPngsAndKeepsOnlyTheNewestAndNothingElseIsTouched) {
    TempFolder folder;
    const QString target = folder.path() + QStringLiteral("/NG/");
    TempFolder::writeBytes(folder.path() + QStringLiteral("/note.txt"), "mine");
    QDir().mkpath(target);
    TempFolder::writeBytes(target + QStringLiteral("note.txt"), "mine");
    TempFolder::writeBytes(target + QStringLiteral("NG_mine.jpg"), "mine");
    QDateTime when(QDate(2026, 12, 6), QTime(20, 0));
    // 23 failed reads of five pictures each, keeping 100: the oldest three
    // reads go.
    for (int i = 0; i < 23; ++i) {
        SaveReviewImages(target, fiveRegions(), when.addSecs(15LL * i));
    }
    QStringList pngs = QDir(target).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    ASSERT_EQ(pngs.size(), 100);
    EXPECT_EQ(pngs.first(), QStringLiteral("NG_20261206_200045000_0.png"));
    EXPECT_EQ(pngs.last(), QStringLiteral("NG_20261206_200530000_4.png"));
    EXPECT_TRUE(QFile::exists(target + QStringLiteral("note.txt")));
    EXPECT_TRUE(QFile::exists(target + QStringLiteral("NG_mine.jpg")));
    EXPECT_EQ(QImageReader(target + pngs.last()).size(), QSize(14, 8));
    EXPECT_TRUE(SaveReviewImages(QString(), fiveRegions(), when).isEmpty());

    PruneReviewFolder(target, 0);
    EXPECT_TRUE(QDir(target).entryList({QStringLiteral("*.png")}, QDir::Files).isEmpty());
}

}  // namespace bm::test
