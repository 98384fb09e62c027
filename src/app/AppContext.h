#pragma once

namespace bm {

struct Settings;
struct RunState;
struct ProgramPaths;
class Platform;
class DebugLog;
class Prompt;

// The shared state and services that core routines work with. The
// application object owns every referenced object; routines receive the
// context by reference instead of reaching for globals.
struct AppContext {
    Settings& settings;
    RunState& run;
    ProgramPaths& paths;
    Platform& platform;
    DebugLog& log;
    Prompt& prompt;
};

}  // namespace bm
