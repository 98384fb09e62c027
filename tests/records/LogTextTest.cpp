#include <gtest/gtest.h>

#include "records/LogText.h"

using bm::AppendLogText;
using bm::CountOccurrences;

namespace {

const QString crlf = QStringLiteral("\r\n");

// A log box holding `lines` lines, each introduced by CR LF.
QString boxWithLines(int lines) {
    QString text;
    for (int i = 0; i < lines; ++i) {
        text += crlf + QStringLiteral("line %1").arg(i);
    }
    return text;
}

}  // namespace

TEST(LogText, AppendKeepsTheNewestLinesAndStartsWithALineBreak) {
    // 512 line breaks plus one added: the oldest line goes.
    const auto full = AppendLogText(boxWithLines(512), QStringLiteral("\r\nnewest"), 512, true);
    EXPECT_EQ(CountOccurrences(crlf, full.text), 512);
    EXPECT_TRUE(full.text.startsWith(QStringLiteral("\r\nline 1\r\n")));
    EXPECT_TRUE(full.text.endsWith(QStringLiteral("\r\nline 511\r\nnewest")));
    EXPECT_EQ(full.caret, full.text.size());

    // Three lines added at once to a full box drop three old ones.
    const auto three =
        AppendLogText(boxWithLines(512), QStringLiteral("\r\na\r\nb\r\nc"), 512, true);
    EXPECT_EQ(CountOccurrences(crlf, three.text), 512);
    EXPECT_TRUE(three.text.startsWith(QStringLiteral("\r\nline 3\r\n")));

    // Exactly at the limit nothing is dropped.
    const auto atLimit = AppendLogText(boxWithLines(511), QStringLiteral("\r\nlast"), 512, true);
    EXPECT_EQ(atLimit.text, boxWithLines(511) + QStringLiteral("\r\nlast"));

    // No limit keeps everything.
    const auto unlimited = AppendLogText(boxWithLines(600), crlf, 0, true);
    EXPECT_EQ(CountOccurrences(crlf, unlimited.text), 601);
}
