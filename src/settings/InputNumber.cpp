#include "settings/InputNumber.h"

#include <cmath>

#include "app/NumberFormat.h"

namespace bm {

InputNumber::InputNumber(double value) : value_(value), text_(NumberText(value)) {}

InputNumber::InputNumber(int value) : InputNumber(static_cast<double>(value)) {}

InputNumber::InputNumber(const QString& text) : value_(fmt::leadingNumber(text)), text_(text) {}

InputNumber::InputNumber(const char* text) : InputNumber(QString::fromUtf8(text)) {}

QString NumberText(double value) {
    if (value == 0) {
        return QStringLiteral("0");  // also for -0
    }
    if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < 1e15) {
        return QString::number(static_cast<qint64>(value));
    }
    QString text = QString::number(value, 'g', 15).toUpper();
    text.replace(QStringLiteral("E+"), QStringLiteral("E"));
    return text;
}

bool HasOnlyNumberCharacters(const QString& text) {
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && !IsTypeableNumberCharacter(c)) {
            return false;
        }
    }
    return true;
}

bool IsTypeableNumberCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || u == u'-' || u == u'.' || u == u'E' || u == u'e';
}

}  // namespace bm
