#include "capture/DialogFilter.h"

namespace bm {

QString BuildDialogFilter(const QString& text) {
    QString result;
    for (const QString& piece : text.split(QLatin1Char('|'))) {
        result += piece;
        result += QChar(u'\0');
    }
    result += QChar(u'\0');
    return result;
}

namespace {

// The description without a trailing parenthesised part.
QString bareDescription(const QString& description) {
    QString d = description.trimmed();
    if (d.endsWith(QLatin1Char(')'))) {
        const qsizetype open = d.lastIndexOf(QLatin1Char('('));
        if (open > 0) {
            d = d.left(open).trimmed();
        }
    }
    return d;
}

QString qtPatterns(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = p.trimmed();
        if (!pattern.isEmpty()) {
            out << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
    }
    return out.join(QLatin1Char(' '));
}

}  // namespace

QStringList DialogNameFilters(const QString& text) {
    const QStringList pieces = text.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString patterns = qtPatterns(pieces[i + 1]);
        if (patterns.isEmpty()) {
            continue;
        }
        filters << bareDescription(pieces[i]) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

}  // namespace bm
