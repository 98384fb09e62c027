#pragma once

#include <QString>
#include <functional>

namespace bm {

struct AppContext;

// How a launch waits and shows that it is busy. Core code cannot touch the
// mouse pointer, so the window layer passes a callback for it.
struct LaunchHooks {
    // Waits the given milliseconds while events keep being dispatched. Empty:
    // WaitMilliseconds on the context's platform.
    std::function<void(int)> wait;
    // Called with true before a launch (wait pointer) and with false after
    // it (default pointer). Empty: the pointer is left alone.
    std::function<void(bool)> busyPointer;
};

// Every caller of the launcher waits this long after a launch.
inline constexpr int kLaunchWaitMs = 500;

// Opens the file at `path`: an executable file is started detached, anything
// else goes to the desktop's opener. A missing file is reported to the user
// ("<name>ファイルが見つかりません。", "実行エラー"). Every step is logged.
void ExecuteFile(AppContext& ctx, const QString& path, int waitMs, const LaunchHooks& hooks = {});

// Opens the web address `url` with the desktop's opener. An empty address is
// reported to the user ("サイトが見つかりません。", "実行エラー").
void ExecuteUrl(AppContext& ctx, const QString& url, int waitMs, const LaunchHooks& hooks = {});

// The file-name part of a path: the text after the last "/", the whole text
// when it has none, and the empty text for a path that ends in "/".
QString GetFileNameFromPath(const QString& path);

}  // namespace bm
