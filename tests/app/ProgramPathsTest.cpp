#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/ProgramPaths.h"
#include "support/TempFolder.h"

using bm::ProgramPaths;
using bm::test::TempFolder;

namespace {

struct ProgramPathsFixture : ::testing::Test {
    TempFolder root;
    QString user = root.file(QStringLiteral("home/.local/share/Brindlemark"));

    QString folder(const QString& relative) {
        const QString path = root.file(relative);
        QDir().mkpath(path);
        return path;
    }
    void touch(const QString& path) { TempFolder::writeBytes(path, "x"); }
};

}  // namespace

TEST_F(ProgramPathsFixture, APortableFolderKeepsEverythingBesideTheProgram) {
    // A folder named bin without the installed documents is portable too.
    for (const QString& relative : {QStringLiteral("Brindlemark"), QStringLiteral("tools/bin")}) {
        const QString exe = folder(relative);
        const ProgramPaths p = ProgramPaths::forExecutableFolder(exe, user);
        EXPECT_EQ(p.writeFolder, exe) << relative.toStdString();
        EXPECT_TRUE(p.installedDocumentFolder.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(user));
}

TEST_F(ProgramPathsFixture, AnInstalledProgramWritesToTheUserFolderAndFindsItsDocuments) {
    const QString bin = folder(QStringLiteral("usr/bin"));
    const QString share = folder(QStringLiteral("usr/share/brindlemark"));
    touch(share + QStringLiteral("/ReadMeL.txt"));
    touch(share + QStringLiteral("/使用方法L.mht"));

    // usr/bin is writable here, as it is for root: still the user's folder.
    const ProgramPaths p = ProgramPaths::forExecutableFolder(bin, user);
    EXPECT_EQ(p.writeFolder, user);
    EXPECT_TRUE(QFileInfo(user).isDir());
    EXPECT_EQ(p.installedDocumentFolder, share);
    EXPECT_EQ(p.helpDocument(QStringLiteral("ReadMeL.txt")),
              share + QStringLiteral("/ReadMeL.txt"));
}
