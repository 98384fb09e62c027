#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFile>
#include <QLabel>

#include "settings/ConfigFile.h"
#include "settings/OptionTestSupport.h"

namespace bm {
namespace {

class FormOptionButtons : public test::OptionFixture, public ::testing::Test {};

TEST_F(FormOptionButtons, ReturnShowsTheMainWindowAndSetsItsWatch) {
    settings.ShotCheckEnabled = true;
    settings.ShotCheckInterval = 700;
    dialog().show();
    click(QStringLiteral("cmdEnd"));
    EXPECT_FALSE(dialog().isVisible());
    settings.ShotCheckEnabled = false;
    dialog().show();
    click(QStringLiteral("cmdEnd"));
    EXPECT_EQ(host.calls, (QStringList{"show main", "watch 700 1", "show main", "watch 700 0"}));
}

TEST_F(FormOptionButtons, CloseBoxOnlyHides) {
    dialog().show();
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(FormOptionButtons, RegionTestFillsThePreviews) {
    click(QStringLiteral("cmdCapture"));
    EXPECT_EQ(captures, (std::vector<int>{0, 1, 2, 3, 4}));
    for (int i = 0; i < 5; ++i) {
        const QPixmap picture = find<QLabel>(QStringLiteral("picCapture%1").arg(i))->pixmap();
        EXPECT_EQ(picture.width(), 10 + i);
    }
}

TEST_F(FormOptionButtons, InitialiseAnsweredNoChangesNothing) {
    settings.CaptureInterval = 42;
    settings.GraphShow = !settings.GraphShow;
    const Settings before = settings;
    const QByteArray file = test::TempFolder::readBytes(configPath());
    prompt.queue(PromptAnswer::No);
    click(QStringLiteral("cmdInit"));
    EXPECT_EQ(settings, before);
    EXPECT_EQ(test::TempFolder::readBytes(configPath()), file);
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(logMessages(), QStringList{"Click : Setting Initialize "});
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(FormOptionButtons, InitialiseResetsWritesAndShows) {
    const Settings defaults = settings;
    settings.CaptureInterval = 42;
    settings.GraphShow = !defaults.GraphShow;
    dialog().Activate();
    QFile::remove(configPath());
    click(QStringLiteral("cmdInit"));  // every question answered yes
    EXPECT_EQ(settings, defaults);
    EXPECT_TRUE(QFile::exists(configPath()));
    EXPECT_EQ(text("lblCaptureInterval"), QString::number(defaults.CaptureInterval));
    // The graph buffer follows the reset graph setting.
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("graph %1").arg(defaults.GraphShow)});
    const QStringList log = logMessages();
    EXPECT_EQ(log.first(), QStringLiteral("Click : Setting Initialize "));
    EXPECT_EQ(log.last(), QStringLiteral("Initializing ConfigFile ･･･ End "));
}

// Save writes the settings file and Load reads it back (every field's round
// trip is the settings file's own test); the dialog shows the loaded values,
// and the graph buffer and gesture window follow the loaded switches.
TEST_F(FormOptionButtons, SaveThenLoadShowsTheSavedSettings) {
    const Settings defaults = settings;
    settings.CaptureInterval = 17;
    settings.PayRecordPrefix = QStringLiteral("明細");
    settings.GraphShow = !settings.GraphShow;
    settings.GestureEnabled = !settings.GestureEnabled;
    const Settings saved = settings;
    click(QStringLiteral("cmdSave"));

    settings = defaults;
    click(QStringLiteral("cmdLoad"));

    EXPECT_EQ(settings, saved);
    EXPECT_EQ(text("lblCaptureInterval"), QStringLiteral("17"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSaveFile"))->text(), QStringLiteral("明細"));
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("graph %1").arg(saved.GraphShow),
                                       QStringLiteral("gestures %1").arg(saved.GestureEnabled)}));
    EXPECT_EQ(logMessages(), (QStringList{"Click : Setting Save ", "Saving ConfigFile ･･･ End ",
                                          "Click : Setting Load ", "Loading ConfigFile ･･･ End "}));
}

}  // namespace
}  // namespace bm
