#pragma once

#include <QString>

#include "app/Settings.h"

namespace bm {

inline const QString DefaultSearchWindowName = QStringLiteral("LaTale Client");
inline const QString DefaultVersionText = QStringLiteral("Ver.2.30b0");
QString makeProgramTitle(const QString& versionText);

// Stage 1: record folder and naming, lag, start delay, application starts,
// screenshot watch, image format, gestures, graph. programFolder is the
// default record folder. SearchWindowName is never touched.
void applyGeneralDefaults(Settings& s, const QString& programFolder);
// Stage 2: capture regions 0-2 (full screen or window mode), auto start,
// interval, beep, binarisation, glyph sizes and reference patterns
// (Windows 7 or standard level glyphs).
void applyCaptureDefaults(Settings& s, bool fullScreen, bool windows7LvPatterns);
// Stage 4: the second Exp/money positions (sizes copied from regions 1 and 2)
// and the window and display items.
void applyExtensionDefaults(Settings& s, bool fullScreen);
// Regions 3 and 4 take their width and height from regions 1 and 2.
void copyExtensionSizes(Settings& s);

}  // namespace bm
