#pragma once

#include <QStringList>

namespace bm::test {

// True when `wanted` occurs in `lines` in this order (other lines between).
inline bool inOrder(const QStringList& lines, const QStringList& wanted) {
    qsizetype at = 0;
    for (const QString& w : wanted) {
        at = lines.indexOf(w, at);
        if (at < 0) {
            return false;
        }
        ++at;
    }
    return true;
}

}  // namespace bm::test
