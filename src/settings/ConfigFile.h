#pragma once

#include <QString>
#include <cstdint>

namespace bm {

struct AppContext;
struct ProgramPaths;
class DebugLog;

// Operation codes of ConfigFile. Callers pass Initialise, Load or Save; the
// other two are the stages that initialisation runs through.
namespace configop {
inline constexpr std::int32_t Initialise = 1;       // every default, two questions, save
inline constexpr std::int32_t CaptureDefaults = 2;  // regions, binarisation, patterns
inline constexpr std::int32_t AddedItems = 4;       // second positions, window items
inline constexpr std::int32_t Load = 16;
inline constexpr std::int32_t Save = 32;
}  // namespace configop

// Initialises, loads or saves the settings file. Loading creates the file
// on the first run, converts a file of the previous layout, replaces an
// unreadable one (keeping a backup) and can take over the predecessor
// program's settings. Every failure is handled here: the user is told what
// matters and the rest goes to the debug log.
void ConfigFile(AppContext& ctx, std::int32_t operation);

// Removes temporary files a save left behind when it was ended before its
// rename (a kill, a power loss). Run at start-up, before the load.
void RemoveStaleConfigTemporaries(const ProgramPaths& paths, DebugLog& log);

QString configFilePath(const ProgramPaths& paths);         // TK2LConfig.ini
QString configBackupPath(const ProgramPaths& paths);       // TK2LConfigBack.ini
QString predecessorConfigPath(const ProgramPaths& paths);  // TK2Config.ini

}  // namespace bm
