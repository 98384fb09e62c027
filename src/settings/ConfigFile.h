#pragma once

#include <QString>
#include <cstdint>

namespace bm {

struct AppContext;
struct ProgramPaths;
class DebugLog;

// Operation codes of ConfigFile. Callers pass Initialise, Load or Save; the
// other two are the stages that initialisation runs through, and Done ends
// the stages.
enum class ConfigOp : std::int32_t {
    Done = 0,
    Initialise = 1,       // every default, two questions, save
    CaptureDefaults = 2,  // regions, binarisation, patterns
    AddedItems = 4,       // second positions, window items
    Load = 16,
    Save = 32,
};

// Initialises, loads or saves the settings file. Loading creates the file
// on the first run, converts a file of the previous layout, replaces an
// unreadable one (keeping a backup) and can take over the predecessor
// program's settings. Every failure is handled here: the user is told what
// matters and the rest goes to the debug log.
void ConfigFile(AppContext& ctx, ConfigOp operation);

// Removes temporary files a save left behind when it was ended before its
// rename (a kill, a power loss). Run at start-up, before the load.
void RemoveStaleConfigTemporaries(const ProgramPaths& paths, DebugLog& log);

QString configFilePath(const ProgramPaths& paths);         // TK2LConfig.ini
QString configBackupPath(const ProgramPaths& paths);       // TK2LConfigBack.ini
QString predecessorConfigPath(const ProgramPaths& paths);  // TK2Config.ini

}  // namespace bm
