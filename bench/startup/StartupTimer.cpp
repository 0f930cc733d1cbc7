// Times programs from process creation to a visible, fully painted main window, and from
// the close request to the end of the process. The programs are started in turn, round after
// round, so that both see the same machine load.
//   startup_timer ROUNDS PROGRAM...
// Prints one line per program: its path, the median start-up and the median close in ms.
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
};

Run TimeOneRun(const std::wstring& program) {
    Run run;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const Stopwatch sinceCreation;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
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
        std::fputs("usage: startup_timer ROUNDS PROGRAM...\n", stderr);
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    const std::vector<std::wstring> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> starts(programs.size()), closes(programs.size());
    for (int round = 0; round < rounds; ++round) {
        // Alternate the order, so that neither program always follows the other.
        for (size_t k = 0; k < programs.size(); ++k) {
            const size_t i = round % 2 ? programs.size() - 1 - k : k;
            const Run run = TimeOneRun(programs[i]);
            if (run.startMs < 0) {
                std::fwprintf(stderr, L"%ls: no painted main window\n", programs[i].c_str());
                return 1;
            }
            starts[i].push_back(run.startMs);
            if (run.closeMs >= 0)
                closes[i].push_back(run.closeMs);
        }
    }
    for (size_t i = 0; i < programs.size(); ++i)
        std::wprintf(L"%ls %.1f %.1f\n", programs[i].c_str(), Median(starts[i]), Median(closes[i]));
    return 0;
}
