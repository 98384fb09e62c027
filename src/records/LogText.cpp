#include "records/LogText.h"

#include <algorithm>

#include "app/CrLf.h"
#include "app/Settings.h"
#include "platform/Platform.h"

namespace bm {

const QString LogColumnHeader =
    QStringLiteral(" 月日 時刻    Lv    獲得Exp        獲得ELY   経過    Exp時給     ELY時給 ");

int CountOccurrences(const QString& what, const QString& text) {
    if (what.isEmpty()) {
        return 0;
    }
    int count = 0;
    for (qsizetype at = text.indexOf(what); at >= 0; at = text.indexOf(what, at + what.size())) {
        ++count;
    }
    return count;
}

int FindOccurrence(const QString& what, const QString& text, int n) {
    if (what.isEmpty() || n < 1) {
        return 0;
    }
    qsizetype at = text.indexOf(what);
    for (int found = 1; at >= 0 && found < n; ++found) {
        at = text.indexOf(what, at + what.size());
    }
    return at >= 0 ? static_cast<int>(at) + 1 : 0;
}

LogTextUpdate AppendLogText(const QString& current, const QString& added, int maxLines,
                            bool caretToEnd) {
    const QString whole = current + added;
    LogTextUpdate out;
    const int breaks = CountOccurrences(CrLf, whole);
    if (maxLines < 1 || breaks <= maxLines) {
        out.text = whole;
    } else {
        // Keep the text from the first of the last maxLines line breaks on.
        const int cut = FindOccurrence(CrLf, whole, breaks - maxLines + 1);
        out.text = whole.mid(cut - 1);
    }
    // Positions refer to the text the box keeps, so a trimmed box still gets
    // its caret at the end or at the start of what was just added.
    const int length = static_cast<int>(out.text.size());
    out.caret = caretToEnd ? length : std::max(0, length - static_cast<int>(added.size()));
    return out;
}

void BeepIfEnabled(const Settings& settings, Platform& platform) {
    if (settings.BeepOnCapture) {
        platform.beep();
    }
}

}  // namespace bm
