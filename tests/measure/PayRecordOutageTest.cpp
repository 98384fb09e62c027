#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "MeasureFixture.h"
#include "app/Cp932.h"
#include "measure/LoggingRun.h"
#include "measure/MeasureStep.h"
#include "records/PayRecord.h"

namespace bm::test {

namespace {

// A run whose record folder is a real folder that the test replaces by a
// file (the tests run as root, so permissions would not stop a write).
class PayRecordOutage : public MeasureFixture {
protected:
    PayRecordOutage() {
        settings.PayRecordFolder = folder.file(QStringLiteral("records"));
        settings.PayRecordMonthly = false;
        QDir().mkpath(settings.PayRecordFolder);
        startRun();
    }
    void breakFolder() {
        ASSERT_TRUE(QDir(settings.PayRecordFolder).removeRecursively());
        TempFolder::writeBytes(settings.PayRecordFolder, "not a folder");
    }
    void mendFolder() {
        ASSERT_TRUE(QFile::remove(settings.PayRecordFolder));
        ASSERT_TRUE(QDir().mkpath(settings.PayRecordFolder));
    }
    // The record's lines without their line ends.
    QStringList recordLines() const {
        QStringList lines = cp932::decode(payRecord()).split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }
};

}  // namespace

TEST_F(PayRecordOutage, LinesKeptWhileTheFolderIsAFileGoOutInOrderWhenItWorksAgain) {
    measure(50, 1000, 1000);  // baseline: the header
    advanceSeconds(180);
    measure(50, 1100, 1000);
    ASSERT_EQ(recordLines().size(), 2);

    breakFolder();
    advanceSeconds(180);
    measure(50, 1200, 1000);
    advanceSeconds(180);
    measure(50, 1300, 1000);
    // One popup for the whole failure; both lines wait in memory.
    EXPECT_EQ(view.popupShows, 1);
    EXPECT_EQ(view.popupMessage, PayRecordFolderPopup);
    EXPECT_TRUE(run.PopupShown);
    ASSERT_EQ(run.PayRecordPending.size(), 2);

    mendFolder();
    advanceSeconds(180);
    measure(50, 1400, 1000);
    // The file went with the folder: it starts again with its header, then
    // the kept lines in order, then the new one.
    const QStringList lines = recordLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], PayRecordHeader(false));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("12.00")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("13.00")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("14.00")));
    EXPECT_TRUE(run.PayRecordPending.isEmpty());

    // A later failure tells the user again.
    breakFolder();
    advanceSeconds(180);
    measure(50, 1500, 1000);
    EXPECT_EQ(view.popupShows, 2);
}

TEST_F(PayRecordOutage, TheRunsEndWritesKeptLinesOrPutsThemInTheDebugLog) {
    measure(50, 1000, 1000);
    breakFolder();
    advanceSeconds(180);
    measure(50, 1100, 1000);
    mendFolder();
    const QString path = payRecordPath();
    ChangeLogging(m, LoggingMode::Stop);
    // The file was lost with the folder: it starts again with its header.
    const QStringList lines =
        cp932::decode(TempFolder::readBytes(path)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], PayRecordHeader(false));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("11.00")));

    // Still broken at the end: the line survives in the debug log.
    startRun();
    measure(50, 1000, 1000);
    breakFolder();
    advanceSeconds(180);
    measure(50, 1200, 1000);
    ChangeLogging(m, LoggingMode::Stop);
    EXPECT_TRUE(run.PayRecordPending.isEmpty());
    const QStringList debug = debugLines();
    EXPECT_TRUE(std::any_of(debug.begin(), debug.end(), [](const QString& l) {
        return l.startsWith(QStringLiteral("Pay Record Unwritten : ")) &&
               l.contains(QStringLiteral("12.00"));
    }));
}

TEST_F(PayRecordOutage, ARunStartsInTheProgramFolderWhenTheRecordFolderIsAFile) {
    run.LogStartStamp.clear();
    breakFolder();
    ChangeLogging(m, LoggingMode::Start);
    EXPECT_EQ(settings.PayRecordFolder, paths.writeFolder);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, PayRecordFolderReplaced);
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("ロギング開始"));

    // A folder not made yet is fine: the first record makes it.
    ChangeLogging(m, LoggingMode::Stop);
    settings.PayRecordFolder = folder.file(QStringLiteral("new/deeper"));
    ChangeLogging(m, LoggingMode::Start);
    EXPECT_EQ(settings.PayRecordFolder, folder.file(QStringLiteral("new/deeper")));
    EXPECT_EQ(prompt.shown.size(), 1u);
}

}  // namespace bm::test
