#include <gtest/gtest.h>

#include "shell/SystemFileCheck.h"
#include "shell/TempFolderCheck.h"
#include "support/TestContext.h"

using bm::IsInTempFolder;

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
