#include <gtest/gtest.h>

#include "app/SettingBounds.h"
#include "settings/OptionTestSupport.h"
#include "settings/SettingsDefaults.h"

namespace bm {
namespace {

using test::OptionFixture;

// A numeric label, the bounds it offers and the setting it edits.
struct NumberRow {
    const char* label;
    const NumericSetting* bounds;
    std::int32_t& (*field)(Settings&);
};

#define FIELD(expr) [](Settings& s) -> std::int32_t& { return expr; }

// The regions' labels are made in one loop: its first and last region and
// both second positions stand for it.
const NumberRow NumberRows[] = {
    {"lblCapture_sx0", &bounds::CaptureX, FIELD(s.CaptureRect[0].X)},
    {"lblCapture_sy0", &bounds::CaptureY, FIELD(s.CaptureRect[0].Y)},
    {"lblCapture_ex0", &bounds::CaptureWidth, FIELD(s.CaptureRect[0].Width)},
    {"lblCapture_ey0", &bounds::CaptureHeight, FIELD(s.CaptureRect[0].Height)},
    {"lblCapture_ey2", &bounds::CaptureHeight, FIELD(s.CaptureRect[2].Height)},
    {"lblCapture_ax1", &bounds::CaptureX, FIELD(s.CaptureRect[3].X)},
    {"lblCapture_ay2", &bounds::CaptureY, FIELD(s.CaptureRect[4].Y)},
    {"lblCaptureInterval", &bounds::CaptureInterval, FIELD(s.CaptureInterval)},
    {"lblStartDelay", &bounds::StartDelay, FIELD(s.StartDelay)},
    {"lblLag", &bounds::LagCancelTime, FIELD(s.LagCancelTime)},
    {"lblStartUpDelay", &bounds::AutoRun2Delay, FIELD(s.AutoRun2Delay)},
    {"lblDoHLInterval", &bounds::ShotCheckInterval, FIELD(s.ShotCheckInterval)},
    {"lblGestureTime", &bounds::GestureWaitTime, FIELD(s.GestureWaitTime)},
    {"lblGraphTimeScale", &bounds::GraphPoints, FIELD(s.GraphPoints)},
    {"lblGraphAveNum", &bounds::GraphAverageCount, FIELD(s.GraphAverageCount)},
    {"lblDisplayOffset_x", &bounds::DisplayOffsetX, FIELD(s.DisplayOffsetX)},
    {"lblDisplayOffset_y", &bounds::DisplayOffsetY, FIELD(s.DisplayOffsetY)},
    {"lblWindowPosition_sx", &bounds::WindowLeft, FIELD(s.WindowLeft)},
    {"lblWindowPosition_sy", &bounds::WindowTop, FIELD(s.WindowTop)},
    {"lblWindowPosition_ex", &bounds::WindowWidth, FIELD(s.WindowWidth)},
    {"lblWindowPosition_ey", &bounds::WindowHeight, FIELD(s.WindowHeight)},
};

#undef FIELD

class NumberLabelTest : public ::testing::TestWithParam<NumberRow> {
protected:
    OptionFixture f;
};

// Each label offers its own bounds, step and prompt with the current value,
// stores the answer in its own setting and in no other, and shows it.
TEST_P(NumberLabelTest, EditsItsOwnSettingWithinItsBounds) {
    const NumberRow& row = GetParam();
    const QString name = QLatin1String(row.label);
    Settings expected = f.settings;
    const std::int32_t before = row.field(f.settings);
    // A value no setting has yet, inside the bounds.
    const std::int32_t answer = row.bounds->max - 1;
    row.field(expected) = answer;
    // The second positions keep the size of the first ones.
    copyExtensionSizes(expected);
    f.inputAnswers.push_back(answer);

    f.clickLabel(name);

    ASSERT_EQ(f.inputCalls.size(), 1u);
    const test::InputCall& call = f.inputCalls[0];
    EXPECT_EQ(call.min, row.bounds->min);
    EXPECT_EQ(call.max, row.bounds->max);
    EXPECT_EQ(call.step, row.bounds->step);
    EXPECT_EQ(call.ini, before);
    EXPECT_EQ(call.prompt, QString::fromUtf8(row.bounds->prompt));
    EXPECT_EQ(f.settings, expected);
    EXPECT_EQ(f.text(name), QString::number(answer));
}

INSTANTIATE_TEST_SUITE_P(Labels, NumberLabelTest, ::testing::ValuesIn(NumberRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(NumberLabel, AnswersAreStoredAsNearestWholeNumbersAndCancelKeepsAll) {
    OptionFixture f;
    f.inputAnswers = {36.5, 37.5, 12.4};
    std::vector<std::int32_t> stored;
    for (int i = 0; i < 3; ++i) {
        f.clickLabel(QStringLiteral("lblStartDelay"));
        stored.push_back(f.settings.StartDelay);
    }
    EXPECT_EQ(stored, (std::vector<std::int32_t>{36, 38, 12}));  // halves go to even
    const Settings before = f.settings;
    f.clickLabel(QStringLiteral("lblStartDelay"));  // no answer queued: cancelled
    EXPECT_EQ(f.settings, before);
    EXPECT_EQ(f.text(QStringLiteral("lblStartDelay")), QStringLiteral("12"));
}

}  // namespace
}  // namespace bm
