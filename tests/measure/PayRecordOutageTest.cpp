#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

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
    EXPECT_TRUE(logMessages().contains(
        QStringLiteral("Error Trap : WritePayRecord : CODE75  Path/File access error")));

    mendFolder();
    advanceSeconds(180);
    measure(50, 1400, 1000);
    // The file went with the folder: it starts again with its header, then
    // the kept lines in order, then the new one.
    const QStringList lines = recordLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], PayRecordHeader(false));
    for (int i = 1; i < 4; ++i) {
        EXPECT_TRUE(lines[i].contains(QStringLiteral("%1.00").arg(11 + i)))
            << lines[i].toStdString();
    }

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
    const QString path = PayRecordPath(settings, run.LogStartStamp);
    ChangeLogging(m, LoggingMode::Stop);
    const QStringList lines =
        cp932::decode(TempFolder::readBytes(path)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("11.00")));

    // Still broken at the end: the line survives in the debug log.
    startRun();
    measure(50, 1000, 1000);
    breakFolder();
    advanceSeconds(180);
    measure(50, 1200, 1000);
    ChangeLogging(m, LoggingMode::Stop);
    EXPECT_TRUE(run.PayRecordPending.isEmpty());
    const QStringList unwritten = logMessages().filter(QStringLiteral("Pay Record Unwritten : "));
    EXPECT_TRUE(unwritten.join(QString()).contains(QStringLiteral("12.00")));
}

TEST_F(PayRecordOutage, ARunStartsInTheProgramFolderWhenTheRecordFolderIsAFile) {
    run.LogStartStamp.clear();
    breakFolder();
    ChangeLogging(m, LoggingMode::Start);
    EXPECT_EQ(settings.PayRecordFolder, paths.writeFolder);
    EXPECT_EQ(prompt.texts(), QStringList{PayRecordFolderReplaced});

    // A folder not made yet is fine: the first record makes it.
    ChangeLogging(m, LoggingMode::Stop);
    settings.PayRecordFolder = folder.file(QStringLiteral("new/deeper"));
    ChangeLogging(m, LoggingMode::Start);
    EXPECT_EQ(settings.PayRecordFolder, folder.file(QStringLiteral("new/deeper")));
    EXPECT_EQ(prompt.shown.size(), 1u);
}

}  // namespace bm::test
