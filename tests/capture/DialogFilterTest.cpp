#include <gtest/gtest.h>

#include "capture/DialogFilter.h"

namespace bm {
namespace {

TEST(DialogNameFilters, PairsBecomeQtFilters) {
    EXPECT_EQ(
        DialogNameFilters(QStringLiteral("アプリケーション(*.exe)|*.exe|All files (*.*)|*.*")),
        (QStringList{QStringLiteral("アプリケーション (*.exe)"), QStringLiteral("All files (*)")}));
    EXPECT_EQ(
        DialogNameFilters(QStringLiteral("Pictures|*.png; *.jpg|Text|*.txt")),
        (QStringList{QStringLiteral("Pictures (*.png *.jpg)"), QStringLiteral("Text (*.txt)")}));
    // A description without patterns, or with empty ones, offers nothing.
    EXPECT_EQ(DialogNameFilters(QStringLiteral("A|*.a|B")), QStringList{"A (*.a)"});
    EXPECT_EQ(DialogNameFilters(QStringLiteral("A||B|*.b")), QStringList{"B (*.b)"});
    EXPECT_TRUE(DialogNameFilters(QString()).isEmpty());
}

}  // namespace
}  // namespace bm
