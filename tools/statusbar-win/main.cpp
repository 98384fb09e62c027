// statusbar-win: the status-bar stand-in as a Win32 program, for the tests
// that run the game's side under Wine. It draws what tools/statusbar-sim
// draws, pixel for pixel, takes the same options and reads the same
// schedule commands; see README.md beside this file.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ScheduleLine.h"
#include "StandInTables.h"
#include "StatusBarLayout.h"

using namespace bm::sim;

namespace {

constexpr UINT_PTR PollTimer = 1;
constexpr UINT PollMs = 50;
constexpr int ThiefWidth = 160;
constexpr int ThiefHeight = 60;
constexpr int ThiefDistance = 20;
constexpr std::uint32_t ThiefGrey = 0x787878;
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const wchar_t* const WindowClass = L"BrindlemarkStatusBarStandIn";

std::string utf8(const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(n, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

DrawingData drawingData(const SimState& state) {
    DrawingData data;
    const int mode = state.fullScreen ? 1 : 0;
    for (int r = 0; r < 5; ++r) {
        const auto& rect = standin::Regions[mode][r];
        data.regions[r] = {rect.x, rect.y, rect.width, rect.height};
    }
    for (int f = 0; f < FieldCount; ++f) {
        for (int g = 0; g < GlyphsPerReading; ++g) {
            const std::string text = standin::Patterns[state.windows7Lv ? 1 : 0][f][g];
            GlyphColumns& words = data.glyphs[f][g];
            for (size_t i = 0; i + 4 <= text.size(); i += 4) {
                words.push_back(
                    static_cast<std::uint16_t>(std::stoul(text.substr(i, 4), nullptr, 16)));
            }
        }
    }
    return data;
}

// A top-level window that shows a picture in its client area.
struct PictureWindow {
    HWND hwnd = nullptr;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Everything the stand-in runs on.
struct StandIn {
    std::wstring title = L"LaTale Client";
    std::wstring thiefTitle = L"Focus Thief";
    int x = 40;
    int y = 40;
    SimState state;
    std::wstring scriptPath;
    std::wstring reportPath;

    PictureWindow window;
    PictureWindow thief;
    bool painted = false;
    std::vector<ScheduleCommand> pending;  // by time, then by arrival
    double lastAt = 0;
    ULONGLONG startTick = 0;
    std::string scriptBuffer;
    LONGLONG scriptRead = 0;
    int scriptLine = 0;

    void say(const std::string& text) const;
    bool addLine(const std::string& line, bool strict);
    bool readScript(bool strict);
    void runDue();
    void apply(const ScheduleCommand& command);
    void repaint();
    bool open(PictureWindow& w, const std::wstring& caption, int left, int top);
};

StandIn* app = nullptr;

// "ready", "applied <line>" and "closing", on standard output and in the
// report file: a process started by Wine's desktop has no standard output
// its starter can read.
void StandIn::say(const std::string& text) const {
    const std::string line = text + "\n";
    DWORD written = 0;
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) {
        WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
    if (reportPath.empty()) {
        return;
    }
    const HANDLE file = CreateFileW(reportPath.c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(file);
    }
}

bool StandIn::addLine(const std::string& line, bool strict) {
    ++scriptLine;
    const ScheduleParse parsed = parseScheduleLine(line, lastAt);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "statusbar-win: line %d: %s\n", scriptLine, parsed.error.c_str());
        return !strict;
    }
    if (parsed.command) {
        lastAt = parsed.command->atSeconds;
        const auto later =
            std::upper_bound(pending.begin(), pending.end(), lastAt,
                             [](double at, const ScheduleCommand& c) { return at < c.atSeconds; });
        pending.insert(later, *parsed.command);
    }
    return true;
}

// Reads the lines added to the schedule file since the last call; a line
// still being written (no line end yet) waits for the next call. At the
// start (strict) a malformed line stops the program; later it is reported
// and skipped, so that a test can steer the window by appending lines.
bool StandIn::readScript(bool strict) {
    if (scriptPath.empty()) {
        return true;
    }
    const HANDLE file = CreateFileW(scriptPath.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (strict) {
            std::fprintf(stderr, "statusbar-win: cannot read %s\n",
                         utf8(scriptPath.c_str()).c_str());
        }
        return !strict;
    }
    LARGE_INTEGER offset;
    offset.QuadPart = scriptRead;
    SetFilePointerEx(file, offset, nullptr, FILE_BEGIN);
    char chunk[4096];
    DWORD n = 0;
    while (ReadFile(file, chunk, sizeof chunk, &n, nullptr) && n > 0) {
        scriptBuffer.append(chunk, n);
        scriptRead += n;
    }
    CloseHandle(file);
    size_t end = 0;
    while ((end = scriptBuffer.find('\n')) != std::string::npos) {
        const std::string line = scriptBuffer.substr(0, end);
        scriptBuffer.erase(0, end + 1);
        if (!addLine(line, strict)) {
            return false;
        }
    }
    return true;
}

bool StandIn::open(PictureWindow& w, const std::wstring& caption, int left, int top) {
    RECT outer{0, 0, w.width, w.height};
    AdjustWindowRectEx(&outer, WindowStyle, FALSE, 0);
    w.hwnd = CreateWindowExW(0, WindowClass, caption.c_str(), WindowStyle, left, top,
                             outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    if (w.hwnd == nullptr) {
        return false;
    }
    ShowWindow(w.hwnd, SW_SHOW);
    SetForegroundWindow(w.hwnd);
    return true;
}

void StandIn::repaint() {
    window.pixels = renderPixels(state, drawingData(state), window.width, window.height);
    InvalidateRect(window.hwnd, nullptr, FALSE);
    UpdateWindow(window.hwnd);
}

void StandIn::apply(const ScheduleCommand& command) {
    for (const SimAction& action : command.actions) {
        applyToState(action, state);
        switch (action.kind) {
            case SimAction::Kind::FocusAway: {
                RECT r{};
                GetWindowRect(window.hwnd, &r);
                if (thief.hwnd == nullptr) {
                    thief.width = ThiefWidth;
                    thief.height = ThiefHeight;
                    thief.pixels.assign(static_cast<size_t>(ThiefWidth) * ThiefHeight, ThiefGrey);
                    open(thief, thiefTitle, r.right + ThiefDistance, r.top);
                } else {
                    SetWindowPos(thief.hwnd, HWND_TOP, r.right + ThiefDistance, r.top, 0, 0,
                                 SWP_NOSIZE | SWP_SHOWWINDOW);
                    SetForegroundWindow(thief.hwnd);
                }
                break;
            }
            case SimAction::Kind::FocusBack:
                if (thief.hwnd != nullptr) {
                    ShowWindow(thief.hwnd, SW_HIDE);
                }
                SetForegroundWindow(window.hwnd);
                break;
            case SimAction::Kind::Move:
                SetWindowPos(window.hwnd, nullptr, action.x, action.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER);
                break;
            case SimAction::Kind::Close:
                say("closing");
                pending.clear();
                PostQuitMessage(0);
                return;
            default:
                break;
        }
    }
    repaint();
    say("applied " + command.text);
}

void StandIn::runDue() {
    const double elapsedMs = static_cast<double>(GetTickCount64() - startTick);
    while (!pending.empty() && pending.front().atSeconds * 1000.0 <= elapsedMs) {
        const ScheduleCommand command = pending.front();
        pending.erase(pending.begin());
        apply(command);
    }
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PictureWindow* w = nullptr;
    if (app != nullptr) {
        w = hwnd == app->window.hwnd  ? &app->window
            : hwnd == app->thief.hwnd ? &app->thief
                                      : nullptr;
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd, &ps);
            if (w != nullptr && !w->pixels.empty()) {
                BITMAPINFO info{};
                info.bmiHeader.biSize = sizeof info.bmiHeader;
                info.bmiHeader.biWidth = w->width;
                info.bmiHeader.biHeight = -w->height;  // top-down rows
                info.bmiHeader.biPlanes = 1;
                info.bmiHeader.biBitCount = 32;
                info.bmiHeader.biCompression = BI_RGB;
                SetDIBitsToDevice(dc, 0, 0, w->width, w->height, 0, 0, 0, w->height,
                                  w->pixels.data(), &info, DIB_RGB_COLORS);
            }
            EndPaint(hwnd, &ps);
            if (w == &app->window && !app->painted) {
                app->painted = true;
                GdiFlush();
                app->say("ready");
            }
            return 0;
        }
        case WM_TIMER:
            if (wParam == PollTimer && app != nullptr) {
                app->readScript(false);
                app->runDue();
            }
            return 0;
        case WM_CLOSE:
            if (w == &app->window) {
                app->say("closing");
                PostQuitMessage(0);
            } else {
                ShowWindow(hwnd, SW_HIDE);
            }
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// Reads the options; the start values go through the schedule reader, so
// they obey the same rules as schedule lines.
bool readOptions(StandIn& s, int argc, wchar_t** argv) {
    std::map<std::string, std::string> values = {
        {"lv", "57"},       {"exp", "12.34"},  {"money", "1234567"},
        {"mode", "window"}, {"position", "1"}, {"lvset", "standard"},
    };
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = utf8(argv[i]);
        const std::string value = utf8(argv[i + 1]);
        if (name.rfind("--", 0) != 0) {
            return false;
        }
        const std::string key = name.substr(2);
        if (key == "title") {
            s.title = argv[i + 1];
        } else if (key == "thief-title") {
            s.thiefTitle = argv[i + 1];
        } else if (key == "script") {
            s.scriptPath = argv[i + 1];
        } else if (key == "report") {
            s.reportPath = argv[i + 1];
        } else if (key == "pos") {
            if (std::sscanf(value.c_str(), "%d,%d", &s.x, &s.y) != 2) {
                return false;
            }
        } else if (values.count(key) != 0) {
            values[key] = value;
        } else {
            return false;
        }
    }
    if (argc % 2 == 0) {
        return false;  // an option without its value
    }
    const ScheduleParse start = parseScheduleLine(
        "lv " + values["lv"] + " exp " + values["exp"] + " money " + values["money"] + " mode " +
            values["mode"] + " position " + values["position"] + " lvset " + values["lvset"],
        0);
    if (!start.command) {
        std::fprintf(stderr, "statusbar-win: bad option: %s\n", start.error.c_str());
        return false;
    }
    for (const SimAction& action : start.command->actions) {
        applyToState(action, s.state);
    }
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    // Glyphs must reach the screen pixel for pixel, unscaled.
    SetProcessDPIAware();
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    StandIn standIn;
    if (argv == nullptr || !readOptions(standIn, argc, argv)) {
        std::fprintf(stderr,
                     "usage: statusbar-win [--title T] [--thief-title T] [--pos X,Y] [--lv N] "
                     "[--exp X.YY] [--money N] [--mode window|fullscreen] [--position 1|2] "
                     "[--lvset standard|win7] [--script FILE] [--report FILE]\n");
        return 2;
    }
    LocalFree(argv);
    if (!standIn.readScript(true)) {
        return 2;
    }
    app = &standIn;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = WindowClass;
    RegisterClassExW(&wc);

    standIn.window.width = DefaultClientWidth;
    standIn.window.height = DefaultClientHeight;
    standIn.window.pixels = renderPixels(standIn.state, drawingData(standIn.state),
                                         DefaultClientWidth, DefaultClientHeight);
    standIn.startTick = GetTickCount64();
    if (!standIn.open(standIn.window, standIn.title, standIn.x, standIn.y)) {
        return 1;
    }
    SetTimer(standIn.window.hwnd, PollTimer, PollMs, nullptr);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    app = nullptr;
    return 0;
}
