#pragma once

#include <QString>
#include <cstdint>

namespace bm {

struct AppContext;

// Readers of the three settings file layouts. Each fills the settings
// record from the file at `path` and writes one "Error Trap" line to the
// debug log when anything could not be read.
//
// Current layout (65 lines) and the previous one (59 lines: without the
// second Exp/money positions and the window items, which stay untouched).
// Result 0 = read; 1 = read, and the file names another game window, about
// which the user was asked (the file must be written again); -1 = unreadable
// (the values read so far stay in the record).
std::int32_t ConfigFileReadV230(AppContext& ctx, const QString& path);
std::int32_t ConfigFileReadV220(AppContext& ctx, const QString& path);
// The predecessor program's file (18 lines, no title line): 0 = read,
// -1 = missing or unreadable.
std::int32_t ConfigFileOld(AppContext& ctx, const QString& path);

}  // namespace bm
