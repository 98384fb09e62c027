#pragma once

#include <QString>

#include "app/Settings.h"

namespace bm {

// The settings of a first run set up for the status-bar stand-in: every
// default for a game in window mode with the standard level glyphs, the
// records kept in `programFolder`, and the window rectangle not remembered.
Settings standInSettings(const QString& programFolder);

// Writes `settings` as the settings file of the program folder with the
// program's own writer, so the program reads it as one it wrote itself.
// False when the file could not be written.
bool writeSettingsFile(const QString& programFolder, const Settings& settings);

}  // namespace bm
