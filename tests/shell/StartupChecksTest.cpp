#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "shell/SystemFileCheck.h"
#include "shell/TempFolderCheck.h"
#include "support/TestContext.h"

using bm::IsInTempFolder;
using bm::test::TempFolder;

TEST(TempFolderCheck, RefusesTheTempFolderItsContentsAndItsParentsOnly) {
    const std::vector<std::tuple<const char*, const char*, bool>> rows = {
        {"/tmp", "/tmp", true},
        {"/tmp/", "/tmp", true},
        {"/tmp/zip1234/game tools", "/tmp", true},
        {"/home/me", "/home/me/.cache/tmp", true},
        {"/", "/tmp", true},
        {"/var/tmp/games", "/tmp", false},  // folders that only share letters
        {"/home/me/tmpbin", "/home/me/tmp", false},
        {"/home/me/tm", "/home/me/tmp", false},
        {"/TMP/x", "/tmp", false},
        {"/opt/brindle", "", false},
    };
    for (const auto& [folder, temp, refused] : rows) {
        EXPECT_EQ(IsInTempFolder(QString::fromUtf8(folder), QString::fromUtf8(temp)), refused)
            << folder << " in " << temp;
    }
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

TEST(SystemFileCheck, MissingGestureLibraryGetsOneBoxAndTheSummary) {
    bm::test::TestContext<> t;
    const auto loader = [](const bm::SystemFile& item) {
        return item.file != QStringLiteral("libXi.so.6");
    };
    EXPECT_FALSE(bm::CheckSystemFiles(t.log, t.prompt, bm::RequiredSystemFiles(), loader));
    EXPECT_EQ(t.prompt.texts(),
              QStringList{QStringLiteral(
                  "libXi.so.6 ファイルが見つかりませんでした。\r\n"
                  "マウスジェスチャ機能が利用できない可能性があります。\r\n"
                  "問題が発生する場合は libxi6 パッケージをインストールしてください。")});
    EXPECT_EQ(t.logMessages(),
              (QStringList{QStringLiteral("System File of libXi.so.6 is Not Find "),
                           QStringLiteral("Result of System File Check : A missing item ")}));
}

TEST(SystemFileCheck, EveryMissingItemIsReportedAndTheCheckGoesOn) {
    bm::test::TestContext<> t;
    const auto items = bm::RequiredSystemFiles();
    EXPECT_FALSE(
        bm::CheckSystemFiles(t.log, t.prompt, items, [](const bm::SystemFile&) { return false; }));
    EXPECT_EQ(t.prompt.shown.size(), static_cast<size_t>(items.size()));
    EXPECT_EQ(t.logMessages().size(), items.size() + 1);

    bm::test::TestContext<> present;
    EXPECT_TRUE(bm::CheckSystemFiles(present.log, present.prompt, items,
                                     [](const bm::SystemFile&) { return true; }));
    EXPECT_TRUE(present.prompt.shown.empty());
    EXPECT_EQ(present.logMessages(),
              QStringList{QStringLiteral("Result of System File Check : No Problem ")});
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
