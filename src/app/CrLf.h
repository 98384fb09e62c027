#pragma once

#include <QString>

namespace bm {

// The line end of every text the program shows in its log box and writes to
// its files: CR LF.
inline const QString CrLf = QStringLiteral("\r\n");

}  // namespace bm
