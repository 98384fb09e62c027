#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/Cp932.h"
#include "app/StandardResolutions.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "shell/SystemFileCheck.h"
#include "shell/TempFolderCheck.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

using bm::IsInTempFolder;
using bm::test::TempFolder;

TEST(TempFolderCheck, RefusesTheTempFolderItsContentsAndItsParents) {
    const QString temp = QStringLiteral("/tmp");
    EXPECT_TRUE(IsInTempFolder(QStringLiteral("/tmp"), temp));
    EXPECT_TRUE(IsInTempFolder(QStringLiteral("/tmp/"), temp));
    EXPECT_TRUE(IsInTempFolder(QStringLiteral("/tmp/zip1234/game tools"), temp));
    EXPECT_TRUE(IsInTempFolder(QStringLiteral("/home/me"), QStringLiteral("/home/me/.cache/tmp")));
    EXPECT_TRUE(IsInTempFolder(QStringLiteral("/"), temp));
}

TEST(TempFolderCheck, AcceptsFoldersThatOnlyShareLetters) {
    EXPECT_FALSE(IsInTempFolder(QStringLiteral("/var/tmp/games"), QStringLiteral("/tmp")));
    EXPECT_FALSE(IsInTempFolder(QStringLiteral("/home/me/tmpbin"), QStringLiteral("/home/me/tmp")));
    EXPECT_FALSE(IsInTempFolder(QStringLiteral("/home/me/tm"), QStringLiteral("/home/me/tmp")));
    EXPECT_FALSE(IsInTempFolder(QStringLiteral("/TMP/x"), QStringLiteral("/tmp")));
    EXPECT_FALSE(IsInTempFolder(QStringLiteral("/opt/brindle"), QString()));
}

TEST(TempFolderCheck, SeesThroughASymlinkedTempFolder) {
    TempFolder base;
    ASSERT_TRUE(QDir(base.path()).mkpath(QStringLiteral("real/unpacked")));
    const QString link = base.file(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(base.file(QStringLiteral("real")), link));
    const QString realBase = QFileInfo(base.path()).canonicalFilePath();
    // The temp folder is known by its link; the program folder by its real path.
    EXPECT_TRUE(IsInTempFolder(realBase + QStringLiteral("/real/unpacked"), link));
    EXPECT_TRUE(IsInTempFolder(link + QStringLiteral("/unpacked"), link));
    EXPECT_FALSE(IsInTempFolder(realBase + QStringLiteral("/elsewhere"), link));
}

TEST(StandardResolutions, FieldsComeFromTheTwentyCharacterTexts) {
    const bm::ScreenTable table = bm::MakeScreenTable();
    EXPECT_EQ(table.BaseScreenWidth, 800);
    EXPECT_EQ(table.BaseScreenHeight, 600);
    const auto& rows = table.StandardResolutions;
    for (const auto& row : rows) {
        EXPECT_EQ(row.Text.size(), 20) << row.Text.toStdString();
        EXPECT_EQ(row.Text.mid(4, 1), QStringLiteral("×"));
        EXPECT_EQ(row.Name, row.Name.trimmed());
    }
    EXPECT_EQ(rows[0].Name, QStringLiteral("GXGA"));
    EXPECT_EQ(rows[4].Name, QStringLiteral("WideSXGA+"));
    EXPECT_EQ(rows[6].Height, 900);
    EXPECT_EQ(rows[6].Name, QStringLiteral("HD+"));
    EXPECT_EQ(rows[13].Width, 800);
    EXPECT_EQ(rows[13].Height, 600);
    EXPECT_EQ(rows[13].Name, QStringLiteral("SVGA"));
    EXPECT_EQ(rows[13].Text, QStringLiteral(" 800×600   SVGA     "));
}

namespace {

struct SystemFileFixture : ::testing::Test {
    TempFolder folder;
    bm::FakePlatform platform;
    bm::DebugLog log{folder.path(), platform};
    bm::test::ScriptedPrompt prompt;

    QStringList logLines() const {
        QStringList lines;
        const QString text = bm::cp932::decode(TempFolder::readBytes(log.path()));
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            lines << line.mid(20);  // without the time stamp
        }
        return lines;
    }
};

}  // namespace

TEST_F(SystemFileFixture, MissingGestureLibraryGetsOneBoxAndTheSummary) {
    const auto items = bm::RequiredSystemFiles();
    const auto loader = [](const bm::SystemFile& item) {
        return item.file != QStringLiteral("libXi.so.6");
    };
    EXPECT_FALSE(bm::CheckSystemFiles(log, prompt, items, loader));

    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text,
              QStringLiteral("libXi.so.6 ファイルが見つかりませんでした。\r\n"
                             "マウスジェスチャ機能が利用できない可能性があります。\r\n"
                             "問題が発生する場合は libxi6 パッケージをインストールしてください。"));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("ライブラリファイルチェック"));
    EXPECT_EQ(prompt.shown[0].buttons, bm::PromptButtons::Ok);
    EXPECT_EQ(prompt.shown[0].icon, bm::PromptIcon::Information);
    EXPECT_EQ(logLines(), QStringList({QStringLiteral("System File of libXi.so.6 is Not Find "),
                                       QStringLiteral("Result of System File Check : A missing "
                                                      "item ")}));
}

TEST_F(SystemFileFixture, EveryMissingItemIsReportedAndTheCheckGoesOn) {
    const auto items = bm::RequiredSystemFiles();
    int tried = 0;
    const auto nothingLoads = [&tried](const bm::SystemFile&) {
        ++tried;
        return false;
    };
    EXPECT_FALSE(bm::CheckSystemFiles(log, prompt, items, nothingLoads));
    EXPECT_EQ(tried, items.size());
    EXPECT_EQ(prompt.shown.size(), static_cast<size_t>(items.size()));
    EXPECT_EQ(logLines().size(), items.size() + 1);
    for (const auto& shown : prompt.shown) {
        EXPECT_TRUE(shown.text.contains(QStringLiteral("可能性があります。\r\n")));
    }
}

TEST_F(SystemFileFixture, AllPresentShowsNothing) {
    const auto everythingLoads = [](const bm::SystemFile&) { return true; };
    EXPECT_TRUE(bm::CheckSystemFiles(log, prompt, bm::RequiredSystemFiles(), everythingLoads));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(logLines(),
              QStringList({QStringLiteral("Result of System File Check : No Problem ")}));
}

TEST(SystemFileLoader, LoadsPresentLibrariesAndReportsAbsentOnes) {
    using Kind = bm::SystemFile::Kind;
    // The program itself links against libX11, so it is present wherever it runs.
    EXPECT_TRUE(
        bm::LoadSystemFile({QStringLiteral("libX11.so.6"), {}, {}, Kind::SharedLibrary, {}}));
    EXPECT_FALSE(
        bm::LoadSystemFile({QStringLiteral("libbm-absent.so.9"), {}, {}, Kind::SharedLibrary, {}}));
    EXPECT_FALSE(bm::LoadSystemFile(
        {QStringLiteral("libbm-absent.so"), {}, {}, Kind::QtPlugin, QStringLiteral("platforms")}));
}
