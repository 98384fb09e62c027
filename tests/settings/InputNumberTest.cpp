#include <gtest/gtest.h>

#include "app/NumberFormat.h"
#include "settings/InputNumber.h"

namespace bm {
namespace {

TEST(NumberText, ShowsNumbersTheDialogCanReadBack) {
    EXPECT_EQ(NumberText(0), QStringLiteral("0"));
    EXPECT_EQ(NumberText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(NumberText(800), QStringLiteral("800"));
    EXPECT_EQ(NumberText(-2048), QStringLiteral("-2048"));
    EXPECT_EQ(NumberText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(NumberText(0.1 + 0.2), QStringLiteral("0.3"));  // no binary noise
    EXPECT_EQ(NumberText(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(NumberText(-1.5e-20), QStringLiteral("-1.5E-20"));
    for (double v : {0.0, 800.0, -2048.0, 2.5, 0.3, 1e20, -1.5e-20, 123456789012345.0}) {
        const QString text = NumberText(v);
        EXPECT_TRUE(HasOnlyNumberCharacters(text)) << text.toStdString();
        EXPECT_DOUBLE_EQ(fmt::leadingNumber(text), v) << text.toStdString();
    }
}

TEST(NumberCharacters, TextCheckAllowsBlanksButTypingDoesNot) {
    EXPECT_TRUE(HasOnlyNumberCharacters(QStringLiteral(" -1.5E3 ")));
    EXPECT_TRUE(HasOnlyNumberCharacters(QString()));
    EXPECT_FALSE(HasOnlyNumberCharacters(QStringLiteral("12a")));
    EXPECT_FALSE(HasOnlyNumberCharacters(QStringLiteral("+1")));
    EXPECT_FALSE(HasOnlyNumberCharacters(QStringLiteral("１２")));  // full-width digits
    EXPECT_FALSE(IsTypeableNumberCharacter(QLatin1Char(' ')));
    EXPECT_TRUE(IsTypeableNumberCharacter(QLatin1Char('e')));
}

TEST(InputNumber, TextsFollowTheLeadingNumberRuleAndKeepTheirForm) {
    EXPECT_EQ(InputNumber(QStringLiteral("1E3")).value(), 1000);
    EXPECT_EQ(InputNumber(QStringLiteral("1E3")).text(), QStringLiteral("1E3"));
    EXPECT_EQ(InputNumber("12abc").value(), 12);
    EXPECT_EQ(InputNumber("abc").value(), 0);
    EXPECT_EQ(InputNumber(10).text(), QStringLiteral("10"));
    EXPECT_EQ(InputNumber(0.5).text(), QStringLiteral("0.5"));
}

}  // namespace
}  // namespace bm
