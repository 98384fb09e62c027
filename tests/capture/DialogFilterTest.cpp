#include <gtest/gtest.h>

#include "capture/DialogFilter.h"

namespace bm {
namespace {

QString withNuls(const char16_t* text) {
    QString s = QString::fromUtf16(text);
    s.replace(QLatin1Char('~'), QChar(u'\0'));
    return s;
}

TEST(BuildDialogFilter, EveryPieceEndsInNulAndOneMoreEndsTheList) {
    EXPECT_EQ(BuildDialogFilter(QStringLiteral("A|*.a|B|*.b")), withNuls(u"A~*.a~B~*.b~~"));
    EXPECT_EQ(
        BuildDialogFilter(QStringLiteral("アプリケーション(*.exe)|*.exe|All files (*.*)|*.*")),
        withNuls(u"アプリケーション(*.exe)~*.exe~All files (*.*)~*.*~~"));
    EXPECT_EQ(BuildDialogFilter(QString()), withNuls(u"~~"));
    EXPECT_EQ(BuildDialogFilter(QStringLiteral("A||B")), withNuls(u"A~~B~~"));
}

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
