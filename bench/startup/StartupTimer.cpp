// Times programs from process creation to a visible, fully painted main window, and from
// the close request to the end of the process. The programs are started in turn, round after
// round, so that all see the same machine load.
//   startup_timer ROUNDS COMMAND...
// Each COMMAND is a whole command line: the program's path in quotes, then its arguments.
// Prints one line per command: the median start-up and the median close in ms, the number of
// visible windows inside the main window, and the command.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 20000;
constexpr DWORD kPollMs = 1;

class Stopwatch {
  public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
    }
    double ElapsedMs() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

  private:
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
};

// The program's main window: visible, top-level, with a caption (its tooltips have none).
HWND MainWindowOf(DWORD processId) {
    for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(nullptr, window, nullptr, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        if (owner == processId && (style & WS_VISIBLE) && (style & WS_CAPTION) == WS_CAPTION)
            return window;
    }
    return nullptr;
}

BOOL CALLBACK CountVisibleChild(HWND child, LPARAM param) {
    if (IsWindowVisible(child))
        ++*reinterpret_cast<int*>(param);
    return TRUE;
}

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM param) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// Nothing of the window or its visible children waits to be painted.
bool IsPainted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool unpainted = false;
    EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

struct Run {
    double startMs = -1;
    double closeMs = -1;
    int childWindows = 0;
};

Run TimeOneRun(std::wstring commandLine) {
    Run run;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    const Stopwatch sinceCreation;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return run;
    // Looking costs the window system work that would slow the program down, so look only once
    // it has first run out of messages; until it has painted, it has not.
    WaitForInputIdle(process.hProcess, kWindowTimeoutMs);
    HWND mainWindow = nullptr;
    while (sinceCreation.ElapsedMs() < kWindowTimeoutMs) {
        if (!mainWindow)
            mainWindow = MainWindowOf(process.dwProcessId);
        if (mainWindow && IsPainted(mainWindow)) {
            run.startMs = sinceCreation.ElapsedMs();
            EnumChildWindows(mainWindow, CountVisibleChild, reinterpret_cast<LPARAM>(&run.childWindows));
            break;
        }
        Sleep(kPollMs);
    }
    if (mainWindow) {
        const Stopwatch sinceClose;
        PostMessageW(mainWindow, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0)
            run.closeMs = sinceClose.ElapsedMs();
    }
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: startup_timer ROUNDS COMMAND...\n", stderr);
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    const std::vector<std::wstring> commands(argv + 2, argv + argc);
    std::vector<std::vector<double>> starts(commands.size()), closes(commands.size());
    std::vector<int> childWindows(commands.size());
    for (int round = 0; round < rounds; ++round) {
        // Alternate the order, so that no program always follows the same one.
        for (size_t k = 0; k < commands.size(); ++k) {
            const size_t i = round % 2 ? commands.size() - 1 - k : k;
            const Run run = TimeOneRun(commands[i]);
            if (run.startMs < 0) {
                std::fwprintf(stderr, L"%ls: no painted main window\n", commands[i].c_str());
                return 1;
            }
            starts[i].push_back(run.startMs);
            childWindows[i] = run.childWindows;
            if (run.closeMs >= 0)
                closes[i].push_back(run.closeMs);
        }
    }
    for (size_t i = 0; i < commands.size(); ++i)
        std::wprintf(L"%.1f %.1f %d %ls\n", Median(starts[i]), Median(closes[i]), childWindows[i],
                     commands[i].c_str());
    return 0;
}
