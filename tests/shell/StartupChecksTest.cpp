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

TEST(SystemFileCheck, EveryMissingItemGetsABoxAndALogLineAndTheSummarySaysWhetherAnyIs) {
    using Loader = std::function<bool(const bm::SystemFile&)>;
    const auto items = bm::RequiredSystemFiles();
    const std::vector<std::tuple<Loader, qsizetype, const char*>> rows = {
        {[](const bm::SystemFile&) { return true; }, 0, "No Problem "},
        {[](const bm::SystemFile& i) { return i.file != QStringLiteral("libXi.so.6"); }, 1,
         "A missing item "},
        {[](const bm::SystemFile&) { return false; }, items.size(), "A missing item "},
    };
    for (const auto& [loader, missing, summary] : rows) {
        bm::test::TestContext<> t;
        EXPECT_EQ(bm::CheckSystemFiles(t.log, t.prompt, items, loader), missing == 0) << summary;
        EXPECT_EQ(static_cast<qsizetype>(t.prompt.shown.size()), missing);
        const QStringList log = t.logMessages();
        ASSERT_EQ(log.size(), missing + 1);
        EXPECT_EQ(log.last(), QStringLiteral("Result of System File Check : ") + summary);
        if (missing == 1) {
            EXPECT_EQ(log[0], QStringLiteral("System File of libXi.so.6 is Not Find "));
        }
    }
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
