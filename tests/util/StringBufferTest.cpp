#include <gtest/gtest.h>

#include "util/clsStringBuffer.h"

using bm::clsStringBuffer;

TEST(StringBuffer, GrowsInSteps256KeepingOneFreeCharacter) {
    clsStringBuffer b;
    EXPECT_EQ(b.Text(), QString());
    EXPECT_EQ(b.BufferSize(), 1024);
    b.Append(QString(1023, 'x'));
    EXPECT_EQ(b.BufferSize(), 1024);
    b.Append(QStringLiteral("y"));
    EXPECT_EQ(b.BufferSize(), 1280);

    clsStringBuffer big;
    const QString text(2000, 'z');
    big.Append(text);
    EXPECT_EQ(big.BufferSize(), 2048);
    EXPECT_EQ(big.Text(), text);
}

TEST(StringBuffer, AppendVariants) {
    clsStringBuffer b;
    b.Append(QString());
    b.Append2(QString(), QString());
    EXPECT_EQ(b.Text(), QString());
    b.AppendLF(QString());
    EXPECT_EQ(b.Text(), QStringLiteral("\r\n"));
    b.Append2LF(QStringLiteral("a"), QStringLiteral("b"));
    b.Append2(QStringLiteral("c"), QString());
    EXPECT_EQ(b.Text(), QStringLiteral("\r\nab\r\nc"));
}

TEST(StringBuffer, SettingTextReplacesAndManyPiecesStayInOrder) {
    clsStringBuffer b;
    b.Append(QStringLiteral("old text"));
    b.setText(QStringLiteral("new"));
    EXPECT_EQ(b.Text(), QStringLiteral("new"));
    b.setText(QString(1500, 'q'));
    EXPECT_EQ(b.BufferSize(), 1536);

    clsStringBuffer pieces;
    QString expected;
    for (int i = 0; i < 400; ++i) {
        const QString piece = QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper();
        pieces.Append(piece);
        expected += piece;
    }
    EXPECT_EQ(pieces.Text(), expected);
    EXPECT_GT(pieces.BufferSize(), expected.size());
}
