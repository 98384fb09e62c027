#include "PayRecordLines.h"

namespace bm::test {

namespace {

// A column of the text pay record: the value right-aligned, one blank after.
QString column(const QString& value, int width) {
    return value.rightJustified(width - 1) + QLatin1Char(' ');
}

QString recordAfter(int seconds) {
    const QString sep = QStringLiteral("  ");
    const QString minutes = QString::number((seconds / 6) / 10.0, 'f', 1);
    const QString expRate = QString::number(2.66 * 3600 / seconds, 'f', 2);
    const QString moneyRate = QString::number(5433 * 3.6 / seconds, 'f', 2);
    return sep + column(QStringLiteral("57"), 6) + sep + column(QStringLiteral("15.00"), 11) + sep +
           column(QStringLiteral("1,240,000"), 16) + sep + column(QStringLiteral("2.66"), 11) +
           sep + column(QStringLiteral("5,433"), 17) + sep + column(minutes, 9) + sep +
           column(expRate, 13) + sep + column(moneyRate, 14);
}

}  // namespace

QStringList recordLinesAfter(int fromSeconds, int toSeconds) {
    QStringList lines;
    for (int seconds = fromSeconds; seconds <= toSeconds; ++seconds) {
        lines << recordAfter(seconds) + QStringLiteral("\r\n");
    }
    return lines;
}

}  // namespace bm::test
