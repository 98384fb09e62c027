#include <gtest/gtest.h>

#include <QFile>

#include "support/TestContext.h"
#include "util/Launcher.h"

namespace bm {
namespace {

// A platform that refuses every launch, like a desktop without an opener.
class RefusingPlatform : public FakePlatform {
public:
    bool startDetached(const QString&) override { return false; }
    bool openWithDesktop(const QString&) override { return false; }
};

class LauncherTest : public ::testing::Test {
protected:
    test::TestContext<> t;
    QStringList events;  // pointer changes and waits, in order
    LaunchHooks hooks{[this](int ms) { events << QStringLiteral("wait %1").arg(ms); },
                      [this](bool busy) { events << (busy ? "busy" : "default"); }};

    QString makeFile(const QString& name, bool executable) {
        const QString path = t.folder.file(name);
        test::TempFolder::writeBytes(path, "#!/bin/sh\n");
        QFile::setPermissions(path, executable
                                        ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                        : QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
};

TEST_F(LauncherTest, MissingFileOrEmptyAddressIsReportedAndNothingStarts) {
    const QString path = t.folder.file("sub/ReadMeL.txt");
    ExecuteFile(t.ctx, path, kLaunchWaitMs, hooks);
    ExecuteUrl(t.ctx, QString(), kLaunchWaitMs, hooks);

    EXPECT_EQ(t.prompt.texts().first(), QStringLiteral("ReadMeL.txtファイルが見つかりません。"));
    EXPECT_EQ(t.prompt.shown.size(), 2u);
    EXPECT_EQ(t.logMessages(), (QStringList{QStringLiteral("Execution File Not Find  ") + path,
                                            QStringLiteral("Execution File Not Find  ")}));
    EXPECT_TRUE(t.platform.started.isEmpty());
    EXPECT_TRUE(t.platform.opened.isEmpty());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(LauncherTest, ExecutableFilesStartDetachedAndOtherFilesAndAddressesGoToTheOpener) {
    const QString program = makeFile("tool.sh", true);
    const QString document = makeFile("ReadMeL.txt", false);
    const QString url = QStringLiteral("https://example.org/page");

    ExecuteFile(t.ctx, program, kLaunchWaitMs, hooks);
    ExecuteFile(t.ctx, document, kLaunchWaitMs, hooks);
    ExecuteFile(t.ctx, t.folder.path(), kLaunchWaitMs, hooks);  // a folder is opened, not run
    ExecuteUrl(t.ctx, url, kLaunchWaitMs, hooks);

    EXPECT_EQ(t.platform.started, QStringList{program});
    EXPECT_EQ(t.platform.opened, (QStringList{document, t.folder.path(), url}));
    EXPECT_EQ(t.logMessages().mid(0, 2),
              (QStringList{QStringLiteral("Execution File Start ･･･  ") + program,
                           QStringLiteral("Execution File Finish ")}));
    EXPECT_EQ(events.mid(0, 3), (QStringList{"busy", "wait 500", "default"}));
    EXPECT_EQ(events.size(), 12);
}

TEST_F(LauncherTest, RefusedLaunchIsLoggedAsFailedNotFinished) {
    RefusingPlatform refusing;
    AppContext ctx{t.settings, t.run, t.paths, refusing, t.log, t.prompt};
    const QString document = makeFile("使用方法L.mht", false);

    ExecuteFile(ctx, document, kLaunchWaitMs, hooks);
    ExecuteUrl(ctx, QStringLiteral("https://example.org/"), kLaunchWaitMs, hooks);

    EXPECT_EQ(t.logMessages(),
              (QStringList{QStringLiteral("Execution File Start ･･･  ") + document,
                           QStringLiteral("Execution File Failed  ") + document,
                           QStringLiteral("Execution Url Start ･･･  https://example.org/"),
                           QStringLiteral("Execution Url Failed  https://example.org/")}));
    // The pointer comes back; there is nothing to wait for.
    EXPECT_EQ(events, (QStringList{"busy", "default", "busy", "default"}));
}

}  // namespace
}  // namespace bm
