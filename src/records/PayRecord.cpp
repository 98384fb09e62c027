#include "records/PayRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "app/AppContext.h"
#include "app/Cp932.h"
#include "app/CrLf.h"
#include "app/NumberFormat.h"
#include "app/OleDate.h"
#include "app/PathUtil.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "records/DebugLog.h"
#include "records/OutputFormat.h"

namespace bm {

namespace {

// Writes the text in one piece to the end of the file, creating it when
// missing. A write that falls short (a full disk) is taken back, so the file
// never ends in half a line.
bool appendToFile(const QString& path, const QString& text) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return false;
    }
    const qint64 before = out.size();
    const QByteArray bytes = cp932::encode(text);
    if (out.write(bytes) == bytes.size()) {
        return true;
    }
    out.resize(before);
    return false;
}

// Calendar minutes since 1899-12-30 00:00 of a "yyyy/MM/dd HH:mm:ss" text;
// false when the text is not a date and time. Date and time are read apart
// so that a wall-clock time skipped by a daylight-saving change still counts.
bool minuteNumber(const QString& text, std::int64_t& minutes) {
    const QStringList parts = text.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2) {
        return false;
    }
    const QDate date = QDate::fromString(parts[0], QStringLiteral("yyyy/MM/dd"));
    const QTime time = QTime::fromString(parts[1], QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid()) {
        return false;
    }
    minutes = OleDateOrigin().daysTo(date) * 1440 + time.hour() * 60 + time.minute();
    return true;
}

}  // namespace

QString PayRecordHeader(bool csv) {
    return csv ? QStringLiteral(
                     " 月日 時刻  ,   Lv  ,      Exp   ,         ELY     ,   獲得Exp  ,        "
                     "獲得ELY   , 経過(分) , Exp時給(%) ,   ELY時給(k) ")
               : QStringLiteral(
                     " 月日 時刻      Lv         Exp             ELY         獲得Exp           "
                     "獲得ELY     経過(分)   Exp時給(%)     ELY時給(k) ");
}

QString PayRecordTime(const QDateTime& when) {
    return when.toString(QStringLiteral("MM/dd HH:mm"));
}

Currency PayRecordMinutes(std::int32_t seconds) {
    return Currency::fromRaw(static_cast<std::int64_t>(seconds / 6) * (Currency::Scale / 10));
}

Currency ExpHourlyRate(Currency expGain, std::int32_t seconds) {
    if (seconds == 0) {
        return {};
    }
    return Currency::fromDouble(expGain.toDouble() / seconds * 3600.0);
}

Currency MoneyHourlyRate(Currency moneyGain, std::int32_t seconds) {
    if (seconds == 0) {
        return {};
    }
    return Currency::fromDouble(moneyGain.toDouble() / seconds * 3.6);
}

QString BuildPayRecordLine(const PayRecordValues& v, bool csv) {
    const QString sep = csv ? QStringLiteral(" ,") : QStringLiteral("  ");
    const bool plain = csv;
    QString line = v.time;
    line += sep + FormatColumn(v.level, 6, 1, 0, plain);
    line += sep + FormatColumn(v.exp, 11, 1, 2, plain);
    line += sep + FormatColumn(v.money, 16, 1, 0, plain);
    line += sep + FormatColumn(v.expGain, 11, 1, 2, plain);
    line += sep + FormatColumn(v.moneyGain, 17, 1, 0, plain);
    line += sep + FormatColumn(v.minutes, 9, 1, 1, plain);
    line += sep + FormatColumn(v.expRate, 13, 1, 2, plain);
    line += sep + FormatColumn(v.moneyRate, 14, 1, 2, plain);
    return line;
}

QString PayRecordPath(const Settings& settings, const QString& logStartStamp) {
    const QString stem =
        settings.PayRecordMonthly ? logStartStamp.left(6) + QStringLiteral("月") : logStartStamp;
    const QString ext = settings.PayRecordCsv ? QStringLiteral(".csv") : QStringLiteral(".txt");
    return settings.PayRecordFolder + QStringLiteral("/log/") + settings.PayRecordPrefix + stem +
           ext;
}

namespace {

void reportWriteFailure(AppContext& ctx) {
    ErrorTrap trap;
    trap.fail(errcode::PathFileAccessError);
    trap.report(ctx.log, QStringLiteral("WritePayRecord"));
}

QString logFolderOf(const Settings& s) {
    QString folder = s.PayRecordFolder + QStringLiteral("/log/");
    if (!PathExists(folder)) {
        CreateFolderTree(folder);
    }
    return folder;
}

}  // namespace

const QString PayRecordFolderReplaced =
    QStringLiteral("時給記録フォルダが不正のため\r\nデフォルトフォルダに変更しました。");

bool PayRecordFolderUsable(const QString& folder) {
    if (folder.isEmpty()) {
        return false;
    }
    if (!PathExists(folder)) {
        // CreateFolderTree makes it when the first record is written.
        QString parent = QFileInfo(folder).absolutePath();
        while (!PathExists(parent) && QFileInfo(parent).absolutePath() != parent) {
            parent = QFileInfo(parent).absolutePath();
        }
        return isWritableFolder(parent);
    }
    const QString log = folder + QStringLiteral("/log");
    return isWritableFolder(folder) && (!PathExists(log) || isWritableFolder(log));
}

bool FlushPayRecord(AppContext& ctx) {
    QStringList& pending = ctx.run.PayRecordPending;
    if (pending.isEmpty() || ctx.run.LogStartStamp.isEmpty()) {
        return pending.isEmpty();
    }
    logFolderOf(ctx.settings);
    const QString path = PayRecordPath(ctx.settings, ctx.run.LogStartStamp);
    const QString header = PayRecordHeader(ctx.settings.PayRecordCsv);
    const bool exists = QFile::exists(path);
    QString text;
    if (pending.first() != header) {
        if (!exists) {
            text = header + CrLf;
        }
    } else if (exists && ctx.settings.PayRecordMonthly) {
        // A monthly file already has its one header.
        pending.removeFirst();
    }
    if (!pending.isEmpty()) {
        text += pending.join(CrLf) + CrLf;
    }
    if (!appendToFile(path, text)) {
        return false;
    }
    pending.clear();
    return true;
}

bool WritePayRecord(AppContext& ctx, const QString& line, PayRecordMode mode) {
    const QString stamp = ctx.run.LogStartStamp;
    if (stamp.isEmpty()) {
        return true;
    }
    const QString header = PayRecordHeader(ctx.settings.PayRecordCsv);
    // Whatever this call writes, or keeps when it cannot.
    const QString own = mode == PayRecordMode::Header ? header : line;
    if (!FlushPayRecord(ctx)) {
        ctx.run.PayRecordPending.append(own);
        reportWriteFailure(ctx);
        return false;
    }
    logFolderOf(ctx.settings);
    const QString path = PayRecordPath(ctx.settings, stamp);
    const bool exists = QFile::exists(path);
    QString text;
    if (exists && mode != PayRecordMode::Header) {
        text = line + CrLf;
    } else if (exists && ctx.settings.PayRecordMonthly) {
        // A monthly file already has its one header.
        return true;
    } else {
        // A new file starts with the header alone. An existing per-run file
        // keeps its lines; the fresh header goes after them.
        text = header + CrLf;
    }
    if (appendToFile(path, text)) {
        return true;
    }
    ctx.run.PayRecordPending.append(own);
    reportWriteFailure(ctx);
    return false;
}

void EndPayRecord(AppContext& ctx) {
    if (FlushPayRecord(ctx)) {
        return;
    }
    for (const QString& kept : ctx.run.PayRecordPending) {
        ctx.log.WriteDebugLog(QStringLiteral("Pay Record Unwritten : ") + kept);
    }
    ctx.run.PayRecordPending.clear();
}

QString ElapsedText(const QString& later, const QString& earlier) {
    std::int64_t to = 0;
    std::int64_t from = 0;
    if (!minuteNumber(later, to) || !minuteNumber(earlier, from)) {
        return {};
    }
    const std::int64_t minutes = to - from;
    return QString::number(minutes / 1440) + QStringLiteral("日 ") +
           QString::number((minutes % 1440) / 60) + QStringLiteral("時 ") +
           QString::number(minutes % 60) + QStringLiteral("分間");
}

QString FormatThousands(const QString& value, const QString& unit) {
    // Capped well inside what a currency value holds, so that a text of
    // twenty digits (or "1e30") still gives a number.
    constexpr double Limit = 900'000'000'000'000.0;
    return fmt::thousands(
        Currency::fromDouble(std::clamp(fmt::leadingNumber(value), -Limit, Limit)), unit);
}

}  // namespace bm
