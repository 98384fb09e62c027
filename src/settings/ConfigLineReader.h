#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <variant>

#include "records/DebugLog.h"

namespace bm {

// Reads the settings file line by line. Every line holds one or more value
// fields and ends with a comment field that is ignored; fields are
// separated by commas and lose their surrounding blanks. Numbers are 32-bit
// decimal integers; Booleans are "True"/"False" in any letter case or a
// number (0 is false). A missing line, a missing field or a value that does
// not convert is recorded as a failure and leaves its target unchanged; the
// reader goes on with the next line, so the caller sees the last failure.
class ConfigLineReader {
public:
    using Target = std::variant<std::int32_t*, bool*, QString*>;

    // Reads the whole file (CP932; CR LF or LF line ends). A file that
    // cannot be opened is a failure and yields no lines.
    explicit ConfigLineReader(const QString& path);

    // Skips one line without looking at it.
    void skipLine();
    // The value fields of the next line, in order, into the targets.
    void read(std::initializer_list<Target> targets);
    // The next line's single text value: everything before the comment
    // (the last comma), so the value itself may hold commas.
    void readText(QString& value);
    // "folder , prefix , comment": the pay record folder and file prefix.
    void readFolderAndPrefix(QString& folder, QString& prefix);
    // "flag, path , comment": a switch and a path that may hold commas.
    void readFlagAndPath(bool& flag, QString& path);

    const ErrorTrap& failure() const { return trap_; }

private:
    // The next line, or a null string (and a failure) past the end.
    QString nextLine();
    // The line without its comment field; a null string (and a failure)
    // when the line has no comma at all.
    QString withoutComment(const QString& line);
    void store(const Target& target, const QString& field);
    void fail(int code);

    QStringList lines_;
    qsizetype next_ = 0;
    bool unopened_ = false;
    ErrorTrap trap_;
};

}  // namespace bm
