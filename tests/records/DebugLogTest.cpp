#include <gtest/gtest.h>

#include <QFile>

#include "app/Cp932.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "support/TempFolder.h"

using bm::test::TempFolder;

namespace {

struct DebugLogFixture : ::testing::Test {
    TempFolder folder;
    bm::FakePlatform platform;
    bm::DebugLog log{folder.path(), platform};

    DebugLogFixture() { platform.setNow(QDateTime(QDate(2024, 5, 3), QTime(14, 7, 9))); }
    QByteArray debugBytes() const { return TempFolder::readBytes(log.path()); }
    QByteArray backupBytes() const { return TempFolder::readBytes(log.backupPath()); }
};

}  // namespace

TEST_F(DebugLogFixture, NewLogKeepsThePreviousRunAsBackup) {
    log.WriteDebugLog(QStringLiteral("Starting Program  起動テスト"), bm::LogMode::NewFile);
    EXPECT_EQ(
        debugBytes(),
        bm::cp932::encode(QStringLiteral("2024/05/03 14:07:09 Starting Program  起動テスト\r\n")));
    EXPECT_FALSE(QFile::exists(log.backupPath()));
    log.WriteDebugLog(QStringLiteral("Click : Run "));
    const QByteArray firstRun = debugBytes();

    platform.advance(60000);
    log.WriteDebugLog(QStringLiteral("run two"), bm::LogMode::NewFile);
    EXPECT_EQ(backupBytes(), firstRun);
    EXPECT_EQ(debugBytes(), QByteArray("2024/05/03 14:08:09 run two\r\n"));
}

TEST_F(DebugLogFixture, LogDeletedWhileRunningIsCreatedAgainWithoutBackup) {
    log.WriteDebugLog(QStringLiteral("start"), bm::LogMode::NewFile);
    ASSERT_TRUE(QFile::remove(log.path()));
    platform.advance(1000);
    log.WriteDebugLog(QStringLiteral("after delete"));
    EXPECT_EQ(debugBytes(), QByteArray("2024/05/03 14:07:10 after delete\r\n"));
    EXPECT_FALSE(QFile::exists(log.backupPath()));
}

TEST_F(DebugLogFixture, ALogOverItsLimitMovesToTheBackupAndSaysSoInTheNewOne) {
    bm::DebugLog small(folder.path(), platform, 150);
    small.WriteDebugLog(QStringLiteral("Starting Program  ･･･"), bm::LogMode::NewFile);
    while (debugBytes().size() <= 150) {
        small.WriteDebugLog(QStringLiteral("a line of the first file"));
    }
    const QByteArray firstFile = debugBytes();
    platform.advance(1000);
    small.WriteDebugLog(QStringLiteral("a line of the new file"));

    EXPECT_EQ(backupBytes(), firstFile);
    EXPECT_EQ(debugBytes(),
              "2024/05/03 14:07:10 Debug Log Rotated : " + QByteArray::number(firstFile.size()) +
                  " bytes moved to debugBackUp.txt \xA5\xA5\xA5 End \r\n"
                  "2024/05/03 14:07:10 a line of the new file\r\n");
    // The new file is counted from its own start.
    small.WriteDebugLog(QStringLiteral("another line"));
    EXPECT_EQ(backupBytes(), firstFile);
}

TEST_F(DebugLogFixture, EveryLineIsInTheFileAsSoonAsItIsWrittenAlsoForAnotherReader) {
    log.WriteDebugLog(QStringLiteral("start"), bm::LogMode::NewFile);
    log.WriteDebugLog(QStringLiteral("ConvertPixelString 日本語"));
    EXPECT_TRUE(
        debugBytes().endsWith(bm::cp932::encode(QStringLiteral("ConvertPixelString 日本語\r\n"))));
    // A second writer appends behind this one's lines instead of over them.
    bm::DebugLog other(folder.path(), platform);
    other.WriteDebugLog(QStringLiteral("other"));
    log.WriteDebugLog(QStringLiteral("last"));
    EXPECT_TRUE(debugBytes().endsWith("other\r\n2024/05/03 14:07:09 last\r\n"));
}
