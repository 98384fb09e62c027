#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace bm {

struct ProgramPaths;

// The program's own settings beyond the classic settings file. They live in
// Brindlemark.ini (INI through QSettings, UTF-8) beside TK2LConfig.ini, so the
// classic file keeps its exact format and older versions can still read it.
// Every feature keeps its keys under its own group.
QString extraSettingsPath(const ProgramPaths& paths);

// Opens the file for reading and writing. Changes reach the disk when the
// object is destroyed or sync() is called.
std::unique_ptr<QSettings> openExtraSettings(const ProgramPaths& paths);

}  // namespace bm
