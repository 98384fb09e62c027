#include "settings/ConfigLineReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/Cp932.h"

namespace bm {

namespace {

const QString FolderSeparator = QStringLiteral(" , ");

bool parseInt(const QString& text, std::int32_t& out, int& errorCode) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok) {
        errorCode = errcode::TypeMismatch;
        return false;
    }
    if (value < INT32_MIN || value > INT32_MAX) {
        errorCode = errcode::Overflow;
        return false;
    }
    out = static_cast<std::int32_t>(value);
    return true;
}

}  // namespace

ConfigLineReader::ConfigLineReader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QFileInfo::exists(path) ? errcode::PathFileAccessError : errcode::FileNotFound);
        unopened_ = true;
        return;
    }
    const QString text = cp932::decode(file.readAll());
    lines_ = text.split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (!lines_.isEmpty() && lines_.last().isEmpty()) {
        lines_.removeLast();
    }
    for (QString& line : lines_) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
}

void ConfigLineReader::fail(int code) {
    trap_.fail(code);
}

QString ConfigLineReader::nextLine() {
    if (next_ >= lines_.size()) {
        // A file that could not be opened keeps that as its failure.
        if (!unopened_) {
            fail(errcode::InputPastEndOfFile);
        }
        return QString();
    }
    const QString& line = lines_[next_++];
    // Never a null string, so that callers can tell a read line from none.
    return line.isNull() ? QString(QLatin1String("")) : line;
}

QString ConfigLineReader::withoutComment(const QString& line) {
    if (line.isNull()) {
        return line;
    }
    const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
    if (comma < 0) {
        fail(errcode::InputPastEndOfFile);
        return QString();
    }
    return line.left(comma);
}

void ConfigLineReader::skipLine() {
    nextLine();
}

void ConfigLineReader::read(std::initializer_list<Target> targets) {
    const QString line = nextLine();
    if (line.isNull()) {
        return;
    }
    const QStringList fields = line.split(QLatin1Char(','));
    // The value fields and at least the comment after them.
    if (fields.size() <= static_cast<qsizetype>(targets.size())) {
        fail(errcode::InputPastEndOfFile);
        return;
    }
    qsizetype i = 0;
    for (const Target& target : targets) {
        store(target, fields[i++].trimmed());
    }
}

void ConfigLineReader::store(const Target& target, const QString& field) {
    int code = 0;
    if (auto* number = std::get_if<std::int32_t*>(&target)) {
        if (!parseInt(field, **number, code)) {
            fail(code);
        }
    } else if (auto* flag = std::get_if<bool*>(&target)) {
        if (field.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            **flag = true;
        } else if (field.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            **flag = false;
        } else {
            std::int32_t value = 0;
            if (parseInt(field, value, code)) {
                **flag = value != 0;
            } else {
                fail(code);
            }
        }
    } else {
        *std::get<QString*>(target) = field;
    }
}

void ConfigLineReader::readText(QString& value) {
    const QString body = withoutComment(nextLine());
    if (!body.isNull()) {
        value = body.trimmed();
    }
}

void ConfigLineReader::readFolderAndPrefix(QString& folder, QString& prefix) {
    const QString body = withoutComment(nextLine());
    if (body.isNull()) {
        return;
    }
    // The two texts are written with " , " between them. When either holds
    // that sequence as well, the first split whose left part is an existing
    // folder wins; otherwise the last one, as the folder is the likelier of
    // the two to contain it.
    qsizetype split = -1;
    for (qsizetype at = body.indexOf(FolderSeparator); at >= 0;
         at = body.indexOf(FolderSeparator, at + 1)) {
        split = at;
        if (QFileInfo(body.left(at).trimmed()).isDir()) {
            break;
        }
    }
    qsizetype width = FolderSeparator.size();
    if (split < 0) {
        // Edited by hand without the blanks.
        split = body.indexOf(QLatin1Char(','));
        width = 1;
    }
    if (split < 0) {
        fail(errcode::InputPastEndOfFile);
        return;
    }
    folder = body.left(split).trimmed();
    prefix = body.mid(split + width).trimmed();
}

void ConfigLineReader::readFlagAndPath(bool& flag, QString& path) {
    const QString body = withoutComment(nextLine());
    if (body.isNull()) {
        return;
    }
    // The switch never holds a comma; the path is everything after it.
    const qsizetype comma = body.indexOf(QLatin1Char(','));
    if (comma < 0) {
        fail(errcode::InputPastEndOfFile);
        return;
    }
    store(&flag, body.left(comma).trimmed());
    path = body.mid(comma + 1).trimmed();
}

}  // namespace bm
