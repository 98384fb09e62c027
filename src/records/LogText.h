#pragma once

#include <QString>

namespace bm {

struct Settings;
class Platform;

// The log box's column header: above the log box, and written into it when
// a run starts and after a character change.
extern const QString LogColumnHeader;

// Number of non-overlapping occurrences of `what` in `text`, scanning from
// the start and continuing just past each match. An empty `what` occurs
// nowhere.
int CountOccurrences(const QString& what, const QString& text);

// 1-based position of the n-th occurrence of `what` in `text`, counted the
// same way as CountOccurrences; 0 when there are fewer than n (or n < 1).
int FindOccurrence(const QString& what, const QString& text, int n);

// What the log box shows after an append: its whole text and where the
// caret goes (an index into `text`, nothing selected).
struct LogTextUpdate {
    QString text;
    int caret = 0;
};

// Appends `added` to the log box's `current` text and keeps at most
// `maxLines` CR LF line breaks (maxLines < 1 keeps everything): the oldest
// lines are dropped so that the kept text starts with the CR LF that ended
// the last dropped line. The caret goes to the end of the text when
// `caretToEnd`, else to the start of the added text.
LogTextUpdate AppendLogText(const QString& current, const QString& added, int maxLines,
                            bool caretToEnd);

// Sounds the system beep when the beep-on-capture setting is on.
void BeepIfEnabled(const Settings& settings, Platform& platform);

}  // namespace bm
