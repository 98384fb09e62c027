#pragma once

#include <QStringList>

namespace bm::test {

// The text pay record lines (without their leading time stamp, with their
// line end) that the program may write after the stand-in went from
// 57 / 12.34 % / 1,234,567 to 57 / 15.00 % / 1,240,000, for every interval of
// `fromSeconds` to `toSeconds` after the first capture: the capture timer's
// ten-second steps and postponements decide the exact interval.
QStringList recordLinesAfter(int fromSeconds, int toSeconds);

}  // namespace bm::test
