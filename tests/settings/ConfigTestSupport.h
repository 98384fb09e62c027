#pragma once

#include <QStringList>

#include "support/TestContext.h"

namespace bm::test {

// A program folder in a temporary folder with a fresh settings record that
// carries the identity strings set at start-up.
struct ConfigFixture : TestContext<> {
    ConfigFixture();

    QString configPath() const { return folder.file(QStringLiteral("TK2LConfig.ini")); }
    QString backupPath() const { return folder.file(QStringLiteral("TK2LConfigBack.ini")); }
    QString predecessorPath() const { return folder.file(QStringLiteral("TK2Config.ini")); }

    // The settings file as lines (CP932 decoded, each line ended by CR LF).
    QStringList fileLines() const;
    // Writes the lines, each ended by CR LF, in CP932.
    void writeLines(const QString& path, const QStringList& lines) const;
    // True when a debug-log message holds `part`.
    bool logged(const QString& part) const;
};

// Each line followed by CR LF, in CP932.
QByteArray encodeLines(const QStringList& lines);

// The settings file expected for the defaults, written out from the file
// layout: 65 lines and the final empty line. `fullScreen` picks the region
// positions, `windows7` the level glyph set.
QStringList expectedDefaultLines(const QString& programFolder, bool fullScreen, bool windows7);

}  // namespace bm::test
