#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <csignal>

#include "app/Cp932.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::TempFolder;

// The first run asks the two set-up questions (and a confirmation) and writes
// the defaults byte for byte as the file layout lays them out: CP932, CR LF,
// an empty last line, for every combination of the answers.
TEST(ConfigFileWrite, FirstRunWritesTheDefaultsByteExact) {
    for (const bool fullScreen : {true, false}) {
        for (const bool windows7 : {true, false}) {
            ConfigFixture f;
            f.prompt.queue(fullScreen ? PromptAnswer::Yes : PromptAnswer::No);
            f.prompt.queue(PromptAnswer::Ok);
            f.prompt.queue(windows7 ? PromptAnswer::Yes : PromptAnswer::No);
            ConfigFile(f.ctx, ConfigOp::Load);

            SCOPED_TRACE(testing::Message() << "fullScreen " << fullScreen << " w7 " << windows7);
            EXPECT_EQ(f.prompt.shown.size(), 3u);
            const QStringList expected =
                bm::test::expectedDefaultLines(f.folder.path(), fullScreen, windows7);
            EXPECT_EQ(f.fileLines(), expected);
            const QByteArray bytes = TempFolder::readBytes(f.configPath());
            EXPECT_EQ(bytes, cp932::encode(bm::test::joinLines(expected)));
            EXPECT_TRUE(bytes.contains(" , \x8b\x8b\x97\x5e\x96\xbe\x8d\xd7 , "));  // 給与明細
            EXPECT_TRUE(bytes.endsWith("\x83\x45\x96\xbc\r\n\r\n"));                // ...ウ名
            EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        }
    }
}

namespace {

// Limits the size of files this process may write, so that a save fails
// part-way even for a user whom file permissions do not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

// A save that cannot complete (here cut short by a file size limit, which
// stops the save also for a user whom file permissions do not) is reported,
// logged, and leaves the old file as it was, with no temporary beside it.
TEST(ConfigFileWrite, FailedSaveReportsAndKeepsTheOldFile) {
    ConfigFixture f;
    ConfigFile(f.ctx, ConfigOp::Initialise);
    const QByteArray before = TempFolder::readBytes(f.configPath());
    f.prompt.shown.clear();
    // The debug log stays writable in a folder of its own.
    TempFolder logFolder;
    DebugLog log(logFolder.path(), f.platform);
    AppContext ctx{f.settings, f.run, f.paths, f.platform, log, f.prompt};
    {
        FileSizeLimit limit(1000);
        ConfigFile(ctx, ConfigOp::Save);
    }
    EXPECT_EQ(f.prompt.texts(), QStringList{"設定をファイルに保存できませんでした。"});
    EXPECT_TRUE(bm::test::logMessagesIn(log.path())
                    .join(QLatin1Char('\n'))
                    .contains(QStringLiteral("Error Trap : ConfigFile 2 : CODE75  ")));
    EXPECT_EQ(TempFolder::readBytes(f.configPath()), before);
    EXPECT_EQ(QDir(f.folder.path()).entryList(QDir::Files).size(), 1);
}
