#pragma once

#include <QString>
#include <QStringList>

namespace bm::test {

// The messages of a debug log file, each without its "yyyy/mm/dd hh:mm:ss "
// time stamp; empty when the file is missing.
QStringList logMessagesIn(const QString& logPath);

}  // namespace bm::test
