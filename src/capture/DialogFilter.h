#pragma once

#include <QString>
#include <QStringList>

namespace bm {

// The filter text of a file chooser, pieces separated by "|" (description,
// patterns, description, patterns...), as the list the chooser reads: every
// piece followed by a NUL, and one more NUL at the end.
QString BuildDialogFilter(const QString& text);

// The same filter text as name filters of a Qt file dialog, one per pair:
// "アプリケーション(*.exe)|*.exe" becomes "アプリケーション (*.exe)". A
// description's own trailing "(...)" gives way to the patterns, patterns
// separated by ";" are separated by blanks, and "*.*" (every file) becomes
// "*". A description without patterns is dropped.
QStringList DialogNameFilters(const QString& text);

}  // namespace bm
