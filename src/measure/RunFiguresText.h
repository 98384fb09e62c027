#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace bm {

class RunStats;

// The texts that show a run's figures in the compact view, the tray's tool
// tip and the clipboard summary.
namespace runtext {

// "1時間23分", or "23分" under an hour.
QString duration(std::int64_t seconds);
// "次Lvまで 1時間23分", "次Lvまで --" while the Exp rate is 0 or unknown.
QString timeToLevel(const RunStats& stats, const QDateTime& now);
// "認識 98% (49/50)"; "認識 -- (0/0)" before the first attempt.
QString readHealth(const RunStats& stats);
// "16.55%/h" and "548,696/h"; "--" when unknown.
QString expRate(std::optional<double> percentPerHour, int decimals = 2);
QString moneyRate(std::optional<double> perHour);
// "Lv57 37.25%", "Lv --" before the first accepted capture.
QString levelAndExp(const RunStats& stats);
// The lines of the compact view (and of the tray's tool tip).
QStringList figureLines(const RunStats& stats, const QDateTime& now);
// One line for a chat:
// "LaTale 2026/12/06 20:00-22:15 (2時間15分) Lv57→58 Exp+37.25% (16.6%/h)
//  ELY+1,234,567 (548,696/h)"; empty before the first accepted capture.
QString summaryLine(const RunStats& stats);

}  // namespace runtext
}  // namespace bm
