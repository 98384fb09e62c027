#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <memory>

#include "app/SettingBounds.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"
#include "settings/FormInputCheck.h"
#include "settings/FormOption.h"
#include "settings/OptionsHost.h"
#include "settings/SettingsDefaults.h"

namespace bm {
namespace {

// A main window that records what the options dialog asks of it.
class RecordingHost : public OptionsHost {
public:
    void DebugItemDisplay(bool show) override { calls << QStringLiteral("debug %1").arg(show); }
    void setGesturesLoaded(bool on) override { calls << QStringLiteral("gestures %1").arg(on); }
    void setGraphBuffer(bool on) override { calls << QStringLiteral("graph %1").arg(on); }
    QRect mainWindowRect() const override { return {}; }
    void setMainWindowWidth(int width) override { calls << QStringLiteral("width %1").arg(width); }
    void applyRememberedWindowRect() override { calls << QStringLiteral("apply rect"); }
    void setWatchTimer(int intervalMs, bool enabled) override {
        calls << QStringLiteral("watch %1 %2").arg(intervalMs).arg(enabled);
    }
    void showMainWindow() override { calls << QStringLiteral("show main"); }

    QStringList calls;
};

// One call of the numeric input, as the dialog made it.
struct InputCall {
    double min, max, ini, step;
};

// The options dialog over the defaults; the test answers the input and chooser.
class OptionFixture : public test::ConfigFixture {
public:
    OptionFixture() {
        ConfigFile(ctx, ConfigOp::Initialise);
        prompt.shown.clear();

        OptionServices services;
        services.input = [this](const InputNumber& min, const InputNumber& max,
                                const InputNumber& ini, const InputNumber& step, const QString&,
                                const QString&) {
            inputCalls.push_back({min.value(), max.value(), ini.value(), step.value()});
            if (inputAnswers.empty()) {
                return FormInputCheck::kCancelled;
            }
            const double answer = inputAnswers.front();
            inputAnswers.pop_front();
            return answer;
        };
        services.choosers.folder = [this](QWidget*, int) { return folderAnswer; };
        dialog = std::make_unique<FormOption>(ctx, host, std::move(services));
    }

    template <class T>
    T* find(const QString& name) {
        return dialog->findChild<T*>(name);
    }
    QString text(const QString& labelName) { return find<QLabel>(labelName)->text(); }
    void click(const QString& name) { find<QAbstractButton>(name)->click(); }
    void clickLabel(const QString& name) { QTest::mouseClick(find<QLabel>(name), Qt::LeftButton); }
    // Types into a text box and leaves it, as the user does.
    void typeAndLeave(const QString& name, const QString& text) {
        auto* box = find<QLineEdit>(name);
        box->setText(text);
        box->setModified(true);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &leave);
    }

    RecordingHost host;
    std::deque<double> inputAnswers;  // empty: the call is cancelled
    std::vector<InputCall> inputCalls;
    QString folderAnswer;
    std::unique_ptr<FormOption> dialog;
};

class FormOptionTest : public OptionFixture, public ::testing::Test {};

// A numeric label, the bounds it offers and the setting it edits.
struct NumberRow {
    const char* label;
    const NumericSetting* bounds;
    std::int32_t& (*field)(Settings&);
};

#define FIELD(expr) [](Settings& s) -> std::int32_t& { return expr; }

// Every label goes through one maker; a sample of the pages and of the
// regions' loop (a size, and a second position) stands for the rest.
const NumberRow NumberRows[] = {
    {"lblCapture_sx0", &bounds::CaptureX, FIELD(s.CaptureRect[0].X)},
    {"lblCapture_ey2", &bounds::CaptureHeight, FIELD(s.CaptureRect[2].Height)},
    {"lblCapture_ay2", &bounds::CaptureY, FIELD(s.CaptureRect[4].Y)},
    {"lblStartDelay", &bounds::StartDelay, FIELD(s.StartDelay)},
    {"lblStartUpDelay", &bounds::AutoRun2Delay, FIELD(s.AutoRun2Delay)},
    {"lblGraphAveNum", &bounds::GraphAverageCount, FIELD(s.GraphAverageCount)},
    {"lblDisplayOffset_y", &bounds::DisplayOffsetY, FIELD(s.DisplayOffsetY)},
    {"lblWindowPosition_ey", &bounds::WindowHeight, FIELD(s.WindowHeight)},
};

#undef FIELD

class NumberLabelTest : public OptionFixture, public ::testing::TestWithParam<NumberRow> {};

// The answer is rounded into the label's own setting only; Cancel changes nothing.
TEST_P(NumberLabelTest, EditsItsOwnSettingWithinItsBounds) {
    const NumberRow& row = GetParam();
    const QString name = QLatin1String(row.label);
    Settings expected = settings;
    const std::int32_t before = row.field(settings);
    const std::int32_t answer = row.bounds->max;  // a value no setting has yet
    row.field(expected) = answer;
    copyExtensionSizes(expected);  // the second positions keep the first ones' size
    inputAnswers.push_back(answer - 0.4);

    clickLabel(name);
    clickLabel(name);  // no answer queued: cancelled

    ASSERT_EQ(inputCalls.size(), 2u);
    const InputCall& call = inputCalls[0];
    EXPECT_EQ(call.min, row.bounds->min);
    EXPECT_EQ(call.max, row.bounds->max);
    EXPECT_EQ(call.step, row.bounds->step);
    EXPECT_EQ(call.ini, before);
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(text(name), QString::number(answer));
}

INSTANTIATE_TEST_SUITE_P(Labels, NumberLabelTest, ::testing::ValuesIn(NumberRows),
                         [](const auto& info) { return std::string(info.param.label); });

// Checked when the box is left (under three characters pass) or when chosen.
TEST_F(FormOptionTest, RecordFolderMustExist) {
    typeAndLeave(QStringLiteral("txtSaveFolder"), folder.path() + QStringLiteral("/missing"));
    EXPECT_EQ(settings.PayRecordFolder, paths.writeFolder);
    EXPECT_EQ(prompt.shown.size(), 1u);
    typeAndLeave(QStringLiteral("txtSaveFolder"), QStringLiteral("ab"));
    EXPECT_EQ(settings.PayRecordFolder, QStringLiteral("ab"));
    EXPECT_EQ(prompt.shown.size(), 1u);

    for (const QString& answer : {QString(), folder.file(QStringLiteral("gone")), folder.path()}) {
        folderAnswer = answer;
        click(QStringLiteral("cmdSaveFolder"));
        EXPECT_EQ(settings.PayRecordFolder, answer == folder.path() ? answer : "ab");
    }
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSaveFolder"))->text(), folder.path());
}

TEST_F(FormOptionTest, ReturnShowsTheMainWindowAndSetsItsWatch) {
    settings.ShotCheckEnabled = true;  // both away from the defaults
    settings.ShotCheckInterval = 700;
    dialog->show();
    dialog->close();  // the close box only hides
    dialog->show();
    click(QStringLiteral("cmdEnd"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(host.calls, (QStringList{"show main", "watch 700 1"}));
}

// "No" changes nothing; "yes" resets all but the window name and the graph follows.
TEST_F(FormOptionTest, InitialiseAsksThenResetsWritesAndShows) {
    settings.SearchWindowName = QStringLiteral("Another Client");
    const Settings defaults = settings;
    settings.CaptureInterval = 42;
    settings.GraphShow = !defaults.GraphShow;
    const Settings changed = settings;
    dialog->Activate();
    prompt.queue(PromptAnswer::No);
    click(QStringLiteral("cmdInit"));
    EXPECT_EQ(settings, changed);
    EXPECT_TRUE(host.calls.isEmpty());

    QFile::remove(configPath());
    click(QStringLiteral("cmdInit"));  // every question answered yes
    EXPECT_EQ(settings, defaults);
    EXPECT_EQ(fileLines().at(64), QStringLiteral("Another Client     , 検索ウィンドウ名"));
    EXPECT_EQ(text("lblCaptureInterval"), QString::number(defaults.CaptureInterval));
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("graph %1").arg(defaults.GraphShow)});
}

}  // namespace
}  // namespace bm
