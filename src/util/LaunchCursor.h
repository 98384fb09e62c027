#pragma once

#include "util/Launcher.h"

namespace bm {

// Launch hooks for the windows: the application's wait pointer while a file
// or web page is being opened; the platform's event pump for the wait.
LaunchHooks ApplicationLaunchHooks();

}  // namespace bm
