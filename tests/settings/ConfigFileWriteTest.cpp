#include <gtest/gtest.h>

#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"
#include "settings/SettingsDefaults.h"
#include "util/Cp932.h"

using namespace bm;
using bm::test::ConfigFixture;

namespace {

struct Answers {
    bool fullScreen;
    bool windows7;
    const char* name;
};

class DefaultFile : public ::testing::TestWithParam<Answers> {};

}  // namespace

// Initialising writes the defaults byte for byte as the file layout lays
// them out, for every combination of the two set-up answers.
TEST_P(DefaultFile, IsWrittenByteExact) {
    const Answers a = GetParam();
    ConfigFixture f;
    f.prompt.queue(a.fullScreen ? PromptAnswer::Yes : PromptAnswer::No);
    f.prompt.queue(PromptAnswer::Ok);
    f.prompt.queue(a.windows7 ? PromptAnswer::Yes : PromptAnswer::No);
    ConfigFile(f.ctx, configop::Initialise);

    const QStringList expected =
        bm::test::expectedDefaultLines(f.folder.path(), a.fullScreen, a.windows7);
    ASSERT_EQ(expected.size(), 66);
    const QStringList actual = f.fileLines();
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << (i + 1);
    }
    EXPECT_EQ(bm::test::TempFolder::readBytes(f.configPath()),
              cp932::encode(bm::test::joinLines(expected)));
}

INSTANTIATE_TEST_SUITE_P(ConfigFile, DefaultFile,
                         ::testing::Values(Answers{true, true, "FullScreenWindows7"},
                                           Answers{true, false, "FullScreenStandard"},
                                           Answers{false, true, "WindowWindows7"},
                                           Answers{false, false, "WindowStandard"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigFileWrite, IsCp932WithCrLfAndEndsWithAnEmptyLine) {
    ConfigFixture f;
    ConfigFile(f.ctx, configop::Initialise);
    const QByteArray bytes = bm::test::TempFolder::readBytes(f.configPath());
    EXPECT_TRUE(
        bytes.endsWith("Client     , \x8c\x9f\x8d\xf5\x83\x45\x83\x42\x83\x93\x83\x68"
                       "\x83\x45\x96\xbc\r\n\r\n"));
    // The default record file prefix in Shift-JIS.
    EXPECT_TRUE(bytes.contains(" , \x8b\x8b\x97\x5e\x96\xbe\x8d\xd7 , "));
    EXPECT_EQ(bytes.count("\r\n"), 66);
    EXPECT_EQ(bytes.count('\n'), 66);
}

TEST(ConfigFileWrite, ValueColumnsFollowTheDocumentedExamples) {
    ConfigFixture f;
    f.prompt.queue(PromptAnswer::No);
    f.prompt.queue(PromptAnswer::Ok);
    f.prompt.queue(PromptAnswer::No);
    ConfigFile(f.ctx, configop::Initialise);
    const QStringList lines = f.fileLines();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("     48 ,     26 ,     27 ,     11 , Lv")));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("   True ,") + QString(19, QLatin1Char(' ')) +
                                    QStringLiteral("自動")));
}

TEST(ConfigFileWrite, LongValuesAreWrittenWholeBetweenBlanks) {
    ConfigFixture f;
    ConfigFile(f.ctx, configop::Initialise);
    f.settings.DisplayOffsetX = -2048;
    f.settings.DisplayOffsetY = -1234567;
    f.settings.CaptureInterval = 2147483647;
    f.settings.ImageExtension = QStringLiteral(".jpeg2000");
    ConfigFile(f.ctx, configop::Save);
    const QStringList lines = f.fileLines();
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral(" 2147483647 ,")));
    EXPECT_TRUE(lines[18].startsWith(QStringLiteral(" .jpeg2000 ,")));
    EXPECT_TRUE(lines[24].startsWith(QStringLiteral("  -2048 , -1234567 ,")));
}
