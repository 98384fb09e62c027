#include <gtest/gtest.h>

#include "app/NumberFormat.h"
#include "settings/InputNumber.h"

namespace bm {
namespace {

// The texts the dialog shows for a number: no binary noise, no negative
// zero, exponents for the very large and small, and each one readable back.
TEST(NumberText, ShowsNumbersTheDialogCanReadBack) {
    const std::pair<double, const char*> rows[] = {{0, "0"},
                                                   {-0.0, "0"},
                                                   {800, "800"},
                                                   {-2048, "-2048"},
                                                   {2.5, "2.5"},
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
