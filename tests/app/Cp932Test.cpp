#include <gtest/gtest.h>

#include "app/Cp932.h"

namespace cp932 = bm::cp932;

TEST(Cp932, RoundTripsJapaneseAndHalfWidthForms) {
    const QString text = QStringLiteral("給与明細 ･･･ ～ × ％ ｳｿﾃﾞｽ abc");
    const QByteArray bytes = cp932::encode(text);
    EXPECT_EQ(cp932::decode(bytes), text);
    EXPECT_EQ(cp932::encode(QStringLiteral("給")), QByteArray("\x8B\x8B"));
    EXPECT_EQ(cp932::encode(QStringLiteral("･")), QByteArray("\xA5"));
    EXPECT_EQ(cp932::encode(QStringLiteral("～")), QByteArray("\x81\x60"));
    EXPECT_EQ(cp932::byteLength(QStringLiteral("給与明細")), 8);
    EXPECT_EQ(cp932::byteLength(QStringLiteral("ｳｿ")), 2);
    // Unmappable characters become question marks.
    EXPECT_EQ(cp932::encode(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
    EXPECT_EQ(cp932::decode(QByteArray("a\x81")), QStringLiteral("a\uFFFD"));
    // Empty texts hold no character data; the sanitizer build checks none is copied.
    EXPECT_TRUE(cp932::encode(QString()).isEmpty());
    EXPECT_TRUE(cp932::decode(QByteArray()).isEmpty());
}

// Texts of ASCII and half-width katakana only take a direct mapping; one
// kanji sends the same characters through the converter, which must agree.
TEST(Cp932, SingleByteTextsEncodeAsTheConverterDoes) {
    QString singles;
    for (char16_t u = 0; u < 0x80; ++u) {
        singles += QChar(u);
    }
    for (char16_t u = 0xFF61; u <= 0xFF9F; ++u) {
        singles += QChar(u);
    }
    const QByteArray direct = bm::cp932::encode(singles);
    ASSERT_EQ(direct.size(), singles.size());
    EXPECT_EQ(direct, bm::cp932::encode(singles + QStringLiteral("漢")).chopped(2));
}
