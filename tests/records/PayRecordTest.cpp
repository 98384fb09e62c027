#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/Cp932.h"
#include "records/PayRecord.h"
#include "support/TestContext.h"

using bm::Currency;
using bm::test::TempFolder;

namespace {

const QString csvHeader = QStringLiteral(
    " 月日 時刻  ,   Lv  ,      Exp   ,         ELY     ,   獲得Exp  ,        獲得ELY   , "
    "経過(分) , Exp時給(%) ,   ELY時給(k) ");
const QString textHeader = QStringLiteral(
    " 月日 時刻      Lv         Exp             ELY         獲得Exp           獲得ELY     "
    "経過(分)   Exp時給(%)     ELY時給(k) ");

bm::PayRecordValues sampleValues() {
    bm::PayRecordValues v;
    v.time = bm::PayRecordTime(QDateTime(QDate(2024, 5, 3), QTime(14, 7, 42)));
    v.level = 57;
    v.exp = Currency::fromDouble(12.34);
    v.money = Currency::fromInt(1234567);
    v.expGain = Currency::fromDouble(2.66);
    v.moneyGain = Currency::fromInt(5000);
    v.minutes = bm::PayRecordMinutes(600);
    v.expRate = bm::ExpHourlyRate(v.expGain, 600);
    v.moneyRate = bm::MoneyHourlyRate(v.moneyGain, 600);
    return v;
}

struct PayRecordFixture : ::testing::Test, bm::test::TestContext<> {
    PayRecordFixture() {
        settings.PayRecordFolder = folder.path() + QStringLiteral("/records");
        settings.PayRecordPrefix = QStringLiteral("給与明細");
        settings.PayRecordCsv = true;
        settings.PayRecordMonthly = false;
        run.LogStartStamp = QStringLiteral("202405031407");
    }
    QString file() const { return bm::PayRecordPath(settings, run.LogStartStamp); }
    // The file's lines, decoded; the last element is what follows the last CR LF.
    QStringList lines() const {
        return bm::cp932::decode(TempFolder::readBytes(file())).split(QStringLiteral("\r\n"));
    }
};

}  // namespace

TEST(PayRecordLayout, CsvAndTextLinesHaveFixedColumns) {
    EXPECT_EQ(bm::BuildPayRecordLine(sampleValues(), true),
              QStringLiteral("05/03 14:07 ,   57  ,     12.34  ,        1234567  ,      "
                             "2.66  ,            5000  ,    10.0  ,       15.96  ,        "
                             "30.00 "));

    // Text lines group numbers and separate with two blanks.
    bm::PayRecordValues v = sampleValues();
    v.moneyGain = Currency::fromInt(-5000);
    v.moneyRate = bm::MoneyHourlyRate(v.moneyGain, 600);
    EXPECT_EQ(bm::BuildPayRecordLine(v, false),
              QStringLiteral("05/03 14:07     57        12.34         1,234,567         2.66   "
                             "          -5,000       10.0          15.96          -30.00 "));
}

TEST(PayRecordLayout, EmptyIntervalGivesZeroRatesAndTruncatedMinutes) {
    EXPECT_EQ(bm::ExpHourlyRate(Currency::fromDouble(2.5), 0), Currency());
    EXPECT_EQ(bm::MoneyHourlyRate(Currency::fromInt(900), 0), Currency());
    EXPECT_EQ(bm::MoneyHourlyRate(Currency::fromInt(5000), 600), Currency::fromInt(30));
    EXPECT_EQ(bm::PayRecordMinutes(599), Currency::fromDouble(9.9));
    EXPECT_EQ(bm::PayRecordMinutes(5), Currency());

    bm::PayRecordValues v = sampleValues();
    v.expGain = Currency();
    v.moneyGain = Currency();
    v.minutes = bm::PayRecordMinutes(0);
    v.expRate = bm::ExpHourlyRate(v.expGain, 0);
    v.moneyRate = bm::MoneyHourlyRate(v.moneyGain, 0);
    EXPECT_TRUE(bm::BuildPayRecordLine(v, true).endsWith(
        QStringLiteral(" ,      0.00  ,               0  ,     0.0  ,"
                       "        0.00  ,         0.00 ")));
}

TEST_F(PayRecordFixture, FileNameFollowsTheRunStampAndSettings) {
    const QString base = settings.PayRecordFolder + QStringLiteral("/log/給与明細");
    EXPECT_EQ(file(), base + QStringLiteral("202405031407.csv"));
    settings.PayRecordMonthly = true;
    settings.PayRecordCsv = false;
    EXPECT_EQ(file(), base + QStringLiteral("202405月.txt"));
}

TEST_F(PayRecordFixture, PerRunFileGetsHeaderThenLinesInCp932) {
    const QString line = bm::BuildPayRecordLine(sampleValues(), true);
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("ignored with the header"),
                                   bm::PayRecordMode::Header));
    ASSERT_TRUE(bm::WritePayRecord(ctx, line, bm::PayRecordMode::Append));
    EXPECT_EQ(TempFolder::readBytes(file()), bm::cp932::encode(csvHeader + QStringLiteral("\r\n") +
                                                               line + QStringLiteral("\r\n")));

    // A header request on the run's existing file keeps what is there.
    settings.PayRecordCsv = false;
    run.LogStartStamp = QStringLiteral("202405031500");
    ASSERT_TRUE(bm::WritePayRecord(ctx, QString(), bm::PayRecordMode::Header));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("first"), bm::PayRecordMode::Append));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QString(), bm::PayRecordMode::Header));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("second"), bm::PayRecordMode::Append));
    EXPECT_EQ(lines(), QStringList({textHeader, QStringLiteral("first"), textHeader,
                                    QStringLiteral("second"), QString()}));
}

TEST_F(PayRecordFixture, MonthlyFileHasOneHeaderAcrossRuns) {
    settings.PayRecordMonthly = true;
    ASSERT_TRUE(bm::WritePayRecord(ctx, QString(), bm::PayRecordMode::Header));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("run one"), bm::PayRecordMode::Append));
    run.LogStartStamp = QStringLiteral("202405201000");
    ASSERT_TRUE(bm::WritePayRecord(ctx, QString(), bm::PayRecordMode::Header));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("run two"), bm::PayRecordMode::Append));
    EXPECT_EQ(lines(), QStringList({csvHeader, QStringLiteral("run one"), QStringLiteral("run two"),
                                    QString()}));

    // A run that started while the folder could not be written keeps its
    // header in memory; written out later, it adds no second header.
    run.LogStartStamp = QStringLiteral("202405251000");
    run.PayRecordPending = {csvHeader, QStringLiteral("run three")};
    ASSERT_TRUE(bm::FlushPayRecord(ctx));
    EXPECT_EQ(lines(), QStringList({csvHeader, QStringLiteral("run one"), QStringLiteral("run two"),
                                    QStringLiteral("run three"), QString()}));
}

TEST_F(PayRecordFixture, FileLostDuringRunRestartsWithHeaderAlone) {
    ASSERT_TRUE(bm::WritePayRecord(ctx, QString(), bm::PayRecordMode::Header));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("before"), bm::PayRecordMode::Append));
    ASSERT_TRUE(QFile::remove(file()));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("lost"), bm::PayRecordMode::Append));
    ASSERT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("after"), bm::PayRecordMode::Append));
    EXPECT_EQ(lines(), QStringList({csvHeader, QStringLiteral("after"), QString()}));
}

TEST_F(PayRecordFixture, NothingIsWrittenOutsideARun) {
    run.LogStartStamp.clear();
    EXPECT_TRUE(bm::WritePayRecord(ctx, QString(), bm::PayRecordMode::Header));
    EXPECT_TRUE(bm::WritePayRecord(ctx, QStringLiteral("line"), bm::PayRecordMode::Append));
    EXPECT_FALSE(QFileInfo::exists(settings.PayRecordFolder));
}

TEST(PayRecordTexts, ElapsedTextCountsCalendarMinutes) {
    const char* rows[][3] = {
        {"2024/05/03 15:12:00", "2024/05/03 14:07:00", "0日 1時 5分間"},
        // Minute boundaries crossed, not whole minutes elapsed.
        {"2024/05/04 00:00:00", "2024/05/03 23:59:59", "0日 0時 1分間"},
        {"2025/01/01 02:03:00", "2024/12/30 23:59:00", "1日 2時 4分間"},
        {"", "2024/05/03 14:07:00", ""},
        {"2024/13/03 14:07:00", "2024/05/03 14:07:00", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(bm::ElapsedText(QString::fromLatin1(row[0]), QString::fromLatin1(row[1])),
                  QString::fromUtf8(row[2]))
            << row[0];
    }
}

TEST(PayRecordTexts, FormatThousandsGroupsAddsTheUnitAndCapsHugeTexts) {
    const char* rows[][3] = {
        {"", "Byte", " Byte"},
        {"1234.6", "", "1,235"},
        {"18446744073709551615", "", "900,000,000,000,000"},
        {"-99999999999999999999", "", "-900,000,000,000,000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(bm::FormatThousands(QString::fromLatin1(row[0]), QString::fromLatin1(row[1])),
                  QString::fromLatin1(row[2]))
            << row[0];
    }
}
