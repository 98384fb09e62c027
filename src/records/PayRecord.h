#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

#include "app/Currency.h"

namespace bm {

struct AppContext;
struct Settings;

// The pay record file ("給与明細"): one fixed-width line per measurement
// whose readings changed, comma-separated (.csv) or blank-separated (.txt),
// under one header line. Per-run files are named by the run's start minute,
// monthly files by the month of the run's start.

// The header line of the file, without line end.
QString PayRecordHeader(bool csv);

// The nine values of one record line.
struct PayRecordValues {
    QString time;            // "MM/dd HH:mm" when the measurement began
    std::int32_t level = 0;  // level now read
    Currency exp;            // Exp now read, in percent of the level
    Currency money;          // money now read
    Currency expGain;        // Exp gained since the previous line, percent
    Currency moneyGain;      // money gained since the previous line
    Currency minutes;        // length of the Exp interval in minutes (tenths)
    Currency expRate;        // Exp percent per hour
    Currency moneyRate;      // thousands of money per hour
};

// "MM/dd HH:mm", the first column of a record line.
QString PayRecordTime(const QDateTime& when);
// Interval length for the minutes column: whole seconds / 6 (remainder
// dropped) / 10, i.e. tenths of a minute, truncated.
Currency PayRecordMinutes(std::int32_t seconds);
// Exp percent per hour over an interval; 0 for an empty interval.
Currency ExpHourlyRate(Currency expGain, std::int32_t seconds);
// Thousands of money per hour over an interval; 0 for an empty interval.
Currency MoneyHourlyRate(Currency moneyGain, std::int32_t seconds);

// One record line without line end: the time, then eight FormatColumn
// columns; CSV numbers are plain and separated by " ,", text-file numbers
// are grouped and separated by two blanks.
QString BuildPayRecordLine(const PayRecordValues& values, bool csv);

// PayRecordFolder + "/log/" + PayRecordPrefix + stem + ".csv"/".txt", the
// stem being "yyyyMM月" (monthly) or the whole "yyyyMMddHHmm" run stamp.
QString PayRecordPath(const Settings& settings, const QString& logStartStamp);

// True when pay records can be written below the folder: it is a folder in
// which files can be created and its "log" folder, when present, is one
// too; a folder not made yet counts when its nearest existing parent is such
// a folder. A path that names a file, or lies below one, is not usable.
bool PayRecordFolderUsable(const QString& folder);

// The message shown when the record folder is replaced by the program's
// folder because it cannot be used.
extern const QString PayRecordFolderReplaced;

// What WritePayRecord writes: the header, or the line given.
enum class PayRecordMode : int { Append = 0, Header = 1 };

// Writes to the pay record file of the current run; does nothing outside a
// run. Header asks for the header: a missing file is created with the header
// alone, an existing per-run file gets a fresh header after the lines it
// already holds, an existing monthly file is left as it is. Append adds
// `line` (no line end); when the file has gone missing it is created with
// the header alone instead and the next call appends. The file is opened
// and closed on every call and each line goes out in one write. Returns
// false (and logs an error line) when the file could not be written; the
// line (or the header) is then kept in RunState::PayRecordPending and goes
// out, in order and before anything else, with the next call that can write.
bool WritePayRecord(AppContext& ctx, const QString& line, PayRecordMode mode);

// Writes the kept lines, if any (a missing file gets its header first).
// True when nothing is left.
bool FlushPayRecord(AppContext& ctx);

// The end of a run: kept lines are written when the file can be written
// now; otherwise each goes to the debug log, so that no record is lost.
void EndPayRecord(AppContext& ctx);

// Days, hours and minutes from `earlier` to `later`, both "yyyy/MM/dd
// HH:mm:ss" texts, counting minute boundaries crossed: "0日 1時 5分間".
// An unreadable text gives an empty result.
QString ElapsedText(const QString& later, const QString& earlier);

// A number text grouped by thousands ("#,###"), followed by a blank and the
// unit when one is given. An empty text counts as 0, and 0 shows no digits;
// values beyond 900,000,000,000,000 are capped there.
QString FormatThousands(const QString& value, const QString& unit);

}  // namespace bm
