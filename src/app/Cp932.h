#pragma once

#include <QByteArray>
#include <QString>

namespace bm::cp932 {

// Every file the program writes or reads is in CP932 (Windows Shift-JIS).
// A character that CP932 cannot hold is written as "?", as Windows does.
QByteArray encode(const QString& text);
// Bytes that are not valid CP932 become U+FFFD.
QString decode(const QByteArray& bytes);
// Length of the text in CP932 bytes (a double-width character counts 2).
int byteLength(const QString& text);

}  // namespace bm::cp932
