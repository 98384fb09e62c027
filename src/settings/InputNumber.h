#pragma once

#include <QString>

namespace bm {

// A bound, initial value or step handed to the numeric input dialog: a
// number or a text that starts with one (the leading-number rule of
// fmt::leadingNumber reads it).
class InputNumber {
public:
    // Implicit on purpose: callers pass their numbers and texts as they are.
    InputNumber(double value);
    InputNumber(int value);
    InputNumber(const QString& text);
    InputNumber(const char* text);

    double value() const { return value_; }
    // The text form: a text argument as it was given, a number as NumberText.
    const QString& text() const { return text_; }

private:
    double value_;
    QString text_;
};

// A number as the dialog shows it: whole numbers without decimals ("800",
// "-2048"), others with up to 15 significant digits ("0.3", "2.5"), very
// large or small ones with an exponent written "1E20" / "1E-20" so that the
// text only holds characters the dialog accepts.
QString NumberText(double value);

// True when every character is one the dialog can read: blank, "-", ".",
// the digits 0-9, "E" and "e".
bool HasOnlyNumberCharacters(const QString& text);

// True for the characters that typing may add to the dialog's text box:
// the digits 0-9, "-", ".", "E" and "e".
bool IsTypeableNumberCharacter(QChar c);

}  // namespace bm
