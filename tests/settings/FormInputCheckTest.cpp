#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "app/NumberFormat.h"
#include "settings/FormInputCheck.h"
#include "settings/InputNumber.h"
#include "support/ScriptedPrompt.h"

namespace bm {
namespace {

// One call of the dialog: its bounds, start value and step, then the user's
// steps separated by "|": paste a text ("=text"), check the box's text
// ("?text") or click a button (cmdInc, cmdDec, cmdEnter, cmdCancel).
struct InputCase {
    const char* name;
    std::array<InputNumber, 4> call;
    const char* steps;
    double result;
    int refusals;  // messages shown
};

const InputCase InputCases[] = {
    {"SwappedBoundsOrdered", {800, 0, 5, 1}, "?5|=801|cmdEnter|=-1|cmdEnter|=800|cmdEnter", 800, 2},
    {"StepsStopAtTheBoundsAndUseTheAbsoluteIncrement",
     {1, 10, 3, -5},
     "cmdDec|?1|cmdInc|?6|cmdInc|?10|cmdInc|?10|=0.1|cmdEnter|cmdCancel",
     FormInputCheck::kCancelled,
     1},
    {"FractionalSteps", {0, 1, "0.10", 0.1}, "?0.10|cmdInc|cmdInc|?0.3|cmdEnter", 0.3, 0},
    {"ExponentIsAccepted", {0, 2000, 1, 1}, "=1E3|cmdEnter", 1000, 0},
    {"BlanksAndABoundFromATextAreAccepted", {"2", "32000", 10, 1}, "= 2 |cmdEnter", 2, 0},
    {"UpperBoundIsAccepted", {2, 32000, 10, 1}, "=32000|cmdEnter", 32000, 0},
    {"InvalidCharactersAreRefusedByStepAndAccept",
     {0, 100, 1, 1},
     "=12a|cmdInc|?12a|cmdEnter|=+1|cmdEnter|=１２|cmdEnter|=12|cmdEnter",
     12,
     4},
};

class InputRules : public ::testing::TestWithParam<InputCase> {
protected:
    test::ScriptedPrompt prompt;
    FormInputCheck dialog{prompt};
};

TEST_P(InputRules, AcceptOnlyNumbersWithinTheBounds) {
    const InputCase& c = GetParam();
    auto* input = dialog.findChild<QLineEdit*>(QStringLiteral("txtInput"));
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isOpen());
        for (const QString& step : QString::fromUtf8(c.steps).split(QLatin1Char('|'))) {
            if (step.startsWith(QLatin1Char('='))) {
                input->setText(step.mid(1));
            } else if (step.startsWith(QLatin1Char('?'))) {
                EXPECT_EQ(input->text(), step.mid(1));
            } else {
                dialog.findChild<QPushButton*>(step)->click();
            }
        }
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the steps left the dialog open";
            dialog.reject();
        }
    });
    const double result =
        dialog.InputCheckBox(c.call[0], c.call[1], c.call[2], c.call[3], QStringLiteral("p"), {});
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_DOUBLE_EQ(result, c.result);
    EXPECT_EQ(prompt.texts().size(), c.refusals);
}

INSTANTIATE_TEST_SUITE_P(Cases, InputRules, ::testing::ValuesIn(InputCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The texts the dialog shows for a number: no binary noise, no negative
// zero, exponents for the very large and small, and each one readable back.
TEST(NumberText, ShowsNumbersTheDialogCanReadBack) {
    const std::pair<double, const char*> rows[] = {{0, "0"},
                                                   {-0.0, "0"},
                                                   {-2048, "-2048"},
                                                   {0.1 + 0.2, "0.3"},
                                                   {1e20, "1E20"},
                                                   {-1.5e-20, "-1.5E-20"},
                                                   {123456789012345.0, "123456789012345"}};
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(NumberText(value), QLatin1String(text)) << text;
        EXPECT_TRUE(HasOnlyNumberCharacters(NumberText(value))) << text;
        EXPECT_DOUBLE_EQ(fmt::leadingNumber(NumberText(value)), value) << text;
    }
}

}  // namespace
}  // namespace bm
