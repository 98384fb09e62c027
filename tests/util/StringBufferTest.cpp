#include <gtest/gtest.h>

#include "util/clsStringBuffer.h"

using bm::clsStringBuffer;

TEST(StringBuffer, AppendVariantsKeepEveryPieceInOrderAcrossGrowth) {
    clsStringBuffer b;
    b.Append(QString());
    b.Append2(QString(), QString());
    EXPECT_EQ(b.Text(), QString());
    b.AppendLF(QString());
    b.Append2LF(QStringLiteral("a"), QStringLiteral("b"));
    b.Append2(QStringLiteral("c"), QString());
    EXPECT_EQ(b.Text(), QStringLiteral("\r\nab\r\nc"));

    // Pieces that cross the growth steps, and a replacement larger than the store.
    QString expected = b.Text();
    for (int i = 0; i < 400; ++i) {
        const QString piece = QString::number(i, 16).rightJustified(4, QLatin1Char('0'));
        b.Append(piece);
        expected += piece;
    }
    EXPECT_EQ(b.Text(), expected);
    b.setText(QString(1500, 'q'));
    EXPECT_EQ(b.Text(), QString(1500, 'q'));
    b.Append(QStringLiteral("!"));
    EXPECT_EQ(b.Text(), QString(1500, 'q') + QLatin1Char('!'));
}
