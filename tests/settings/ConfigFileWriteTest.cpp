#include <gtest/gtest.h>

#include "app/Cp932.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::TempFolder;

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
    ConfigFile(f.ctx, ConfigOp::Initialise);

    const QStringList expected =
        bm::test::expectedDefaultLines(f.folder.path(), a.fullScreen, a.windows7);
    const QStringList actual = f.fileLines();
    ASSERT_EQ(actual.size(), 66);
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << (i + 1);
    }
    const QByteArray bytes = TempFolder::readBytes(f.configPath());
    EXPECT_EQ(bytes, cp932::encode(bm::test::joinLines(expected)));
    // Shift-JIS and CR LF throughout, an empty last line.
    EXPECT_TRUE(bytes.contains(" , \x8b\x8b\x97\x5e\x96\xbe\x8d\xd7 , "));  // 給与明細
    EXPECT_TRUE(bytes.endsWith("\x83\x45\x96\xbc\r\n\r\n"));                // ...ウ名
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(ConfigFile, DefaultFile,
                         ::testing::Values(Answers{true, true, "FullScreenWindows7"},
                                           Answers{true, false, "FullScreenStandard"},
                                           Answers{false, true, "WindowWindows7"},
                                           Answers{false, false, "WindowStandard"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigFileWrite, LongValuesAreWrittenWholeBetweenBlanks) {
    ConfigFixture f;
    ConfigFile(f.ctx, ConfigOp::Initialise);
    f.settings.DisplayOffsetX = -2048;
    f.settings.DisplayOffsetY = -1234567;
    f.settings.CaptureInterval = 2147483647;
    f.settings.ImageExtension = QStringLiteral(".jpeg2000");
    ConfigFile(f.ctx, ConfigOp::Save);
    const QStringList lines = f.fileLines();
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral(" 2147483647 ,")));
    EXPECT_TRUE(lines[18].startsWith(QStringLiteral(" .jpeg2000 ,")));
    EXPECT_TRUE(lines[24].startsWith(QStringLiteral("  -2048 , -1234567 ,")));
}
