#include "Driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return true;
}

void ClearSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra");
}

void StoreSetting(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof(value));
}

long long ReadSetting(const wchar_t* name) {
    DWORD value = 0, size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return -1;
    return value;
}

HKEY OpenRunKey(HKEY root, REGSAM access, bool create) {
    const wchar_t path[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    HKEY key = nullptr;
    const LSTATUS status = create ? RegCreateKeyExW(root, path, 0, nullptr, 0, access, nullptr, &key, nullptr)
                                  : RegOpenKeyExW(root, path, 0, access, &key);
    return status == ERROR_SUCCESS ? key : nullptr;
}

std::wstring StartupEntry(HKEY root, REGSAM view) {
    wchar_t text[MAX_PATH + 8] = {};
    DWORD size = sizeof(text);
    const win::RegKey key(OpenRunKey(root, KEY_QUERY_VALUE | view));
    const bool found = key && RegGetValueW(key.get(), nullptr, L"Tintra", RRF_RT_REG_SZ, nullptr, text,
                                           &size) == ERROR_SUCCESS;
    return found ? text : L"<none>";
}

void RemoveStartupEntries() {
    for (const auto& [root, view] :
         {std::pair{HKEY_CURRENT_USER, REGSAM{0}}, std::pair{HKEY_LOCAL_MACHINE, REGSAM{KEY_WOW64_64KEY}},
          std::pair{HKEY_LOCAL_MACHINE, REGSAM{KEY_WOW64_32KEY}}}) {
        if (const win::RegKey key{OpenRunKey(root, KEY_SET_VALUE | view)})
            RegDeleteValueW(key.get(), L"Tintra");
    }
}

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    dir.erase(dir.find_last_of(L"\\/") + 1);
    return dir + L"Tintra.exe";
}

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && TextOf(window) == L"Tintra") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT MouseInput(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        // Rounded up, so that scaling back to pixels (rounding down) gives the same pixel.
        input.mi.dx = (screen.x * 65536 + width - 1) / width;
        input.mi.dy = (screen.y * 65536 + height - 1) / height;
    }
    return input;
}

} // namespace

TintraProcess::~TintraProcess() {
    Release();
}

void TintraProcess::Release() {
    if (process.hProcess) {
        if (IsRunning())
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    process = PROCESS_INFORMATION{};
    mainWindow = nullptr;
    ended = false;
}

bool TintraProcess::Start() {
    return Start(ProgramPath());
}

bool TintraProcess::Start(const std::wstring& programPath) {
    Release(); // a run before this one
    // The pointer waits away from where the window will appear, as a hand off the mouse would.
    const POINT away{GetSystemMetrics(SM_CXSCREEN) - 20, GetSystemMetrics(SM_CYSCREEN) - 20};
    MoveMouseTo(away);
    STARTUPINFOW startup{sizeof(startup)};
    std::wstring command = L"\"" + programPath + L"\"";
    const auto create = [&] {
        return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process);
    };
    // Now and then (three starts in some seven thousand of the suite's) Wine gives up on a new
    // process before its own code has run and says ERROR_INTERNAL_ERROR: the program never saw
    // that start, so it is made once more.
    if (!create() && !(GetLastError() == ERROR_INTERNAL_ERROR && create())) {
        std::fprintf(stderr, "Tintra did not start: error %lu\n", GetLastError());
        return false;
    }
    WaitForInputIdle(process.hProcess, 10000);
    WindowSearch search{process.dwProcessId, nullptr};
    WaitFor(
        [&] {
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        15000);
    mainWindow = search.found;
    if (!mainWindow) {
        std::fprintf(stderr, "Tintra showed no main window; it %s\n", IsRunning() ? "runs" : "has ended");
        return false;
    }
    // Input that arrives while the new window is still being activated can be lost.
    return WaitFor([this] {
        const GUITHREADINFO info = GuiInfo(process.dwThreadId);
        return info.hwndActive == mainWindow && info.hwndFocus != nullptr;
    });
}

HWND TintraProcess::InfoPanel() const {
    return FindWindowExW(mainWindow, nullptr, L"#32770", nullptr);
}

bool TintraProcess::IsRunning() const {
    return process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

bool TintraProcess::MarkIsSet(int checkId) const {
    // The filled square covers the middle of the box; an empty box is white there.
    return ScreenPixel(GetDlgItem(InfoPanel(), checkId), 4, 4) == RGB(0, 0, 0);
}

long long TintraProcess::ExitCode() const {
    DWORD code = 0;
    if (!process.hProcess || IsRunning() || !GetExitCodeProcess(process.hProcess, &code))
        return -1;
    return code;
}

void TintraProcess::Kill() {
    ended = true;
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 10000);
}

long long TintraProcess::CloseAndWait() {
    ended = true;
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    return ExitCode();
}

bool SendWithRemoteData(HWND window, UINT message, WPARAM wParam, void* data, size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const win::KernelObject process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process)
        return false;
    void* remote = VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    bool done = false;
    if (remote && WriteProcessMemory(process.get(), remote, data, size, nullptr)) {
        DWORD_PTR answer;
        SendMessageTimeoutW(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000,
                            &answer);
        done = ReadProcessMemory(process.get(), remote, data, size, nullptr) != FALSE;
    }
    if (remote)
        VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    return done;
}

RECT ThumbRect(HWND trackbar) {
    RECT rect{};
    SendWithRemoteData(trackbar, TBM_GETTHUMBRECT, 0, &rect, sizeof(rect));
    return rect;
}

POINT OnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

POINT MiddleOf(HWND window) {
    const PixelRect client = win::ClientRect(window);
    return OnScreen(window, client.right / 2, client.bottom / 2);
}

POINT ThumbMiddle(HWND trackbar) {
    const RECT thumb = ThumbRect(trackbar);
    return OnScreen(trackbar, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
}

int TrackbarPos(HWND trackbar) {
    return static_cast<int>(SendMessageW(trackbar, TBM_GETPOS, 0, 0));
}

std::string ClipboardText() {
    std::string text = "<none>";
    if (!OpenClipboard(nullptr))
        return text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

namespace {

template <typename Char> void PutTextOnClipboard(const std::basic_string<Char>& text, UINT format) {
    const size_t bytes = (text.size() + 1) * sizeof(Char);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block)
        return;
    memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(format, block))
        GlobalFree(block);
    CloseClipboard();
}

} // namespace

void PutOnClipboard(const std::string& text) {
    PutTextOnClipboard(text, CF_TEXT);
}

void PutOnClipboard(const std::wstring& text) {
    PutTextOnClipboard(text, CF_UNICODETEXT);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    const POINT point = OnScreen(window, x, y);
    return GetPixel(win::WindowDc(nullptr).get(), point.x, point.y);
}

::testing::AssertionResult ScreenShows(HWND window, int x, int y, COLORREF color) {
    if (WaitFor([&] { return ScreenPixel(window, x, y) == color; }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << x << ", " << y << ") shows " << std::hex
                                         << ScreenPixel(window, x, y) << " instead of " << color;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    // Another process's window: WM_GETTEXT goes through the window, GetWindowText would not.
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

namespace {

bool HasClass(HWND window, const wchar_t* name) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return CompareStringOrdinal(className, -1, name, -1, TRUE) == CSTR_EQUAL;
}

int repeatedPointerMoves = 0;
// Long enough a rest that GetCursorPos answers from the display's own pointer (see RestAt).
constexpr ULONGLONG kRestMs = 200;
// Where the pointer has last rested (see RestAt) and stayed since; nowhere once moved.
POINT restedAt{-1, -1};

bool SamePoint(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

bool PointerIsAt(POINT screen) {
    POINT cursor;
    return GetCursorPos(&cursor) && SamePoint(cursor, screen);
}

} // namespace

bool IsGroupBox(HWND window) {
    return HasClass(window, L"Button") && (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// A group box answers the hit test as transparent, which WindowFromPoint does not ask of another
// program's windows: the search goes on below it.
HWND ClickTarget(POINT screen) {
    HWND window = WindowFromPoint(screen);
    while (window && IsGroupBox(window)) {
        HWND below = GetWindow(window, GW_HWNDNEXT);
        while (below && !(IsWindowVisible(below) && win::ScreenRect(below).Contains({screen.x, screen.y})))
            below = GetWindow(below, GW_HWNDNEXT);
        window = below ? below : GetParent(window);
    }
    return window;
}

void MoveMouseTo(POINT screen) {
    if (!SamePoint(screen, restedAt))
        restedAt = POINT{-1, -1};
    const INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    const auto arrived = [screen] { return PointerIsAt(screen); };
    Send({move});
    if (WaitFor(arrived, 2000))
        return;
    // A move that has not arrived harms nothing when given again, unlike a press or a key.
    ++repeatedPointerMoves;
    Send({move});
    WaitFor(arrived);
}

int RepeatedPointerMoves() {
    return repeatedPointerMoves;
}

GUITHREADINFO GuiInfo(DWORD thread) {
    GUITHREADINFO info{sizeof(info)};
    return GetGUIThreadInfo(thread, &info) ? info : GUITHREADINFO{sizeof(info)};
}

HWND CaptureOf(DWORD thread) {
    return GuiInfo(thread).hwndCapture;
}

HWND FocusOf(DWORD thread) {
    return GuiInfo(thread).hwndFocus;
}

namespace {

std::string PointName(POINT point) {
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

bool IsDroppedList(HWND window) {
    return HasClass(window, L"ComboLBox");
}

// A control that took the last press and has not yet seen its release. A dropped list also
// holds the mouse, but on purpose: the next click, in it or beside it, is meant for it.
bool HoldsMouseFromLastClick(HWND capture) {
    return capture && (GetWindowLongW(capture, GWL_STYLE) & WS_CHILD) && !IsDroppedList(capture);
}

// Under Wine every injected move also moves the display's own pointer, and the display reports
// the pointer's crossings into and out of windows to the program that owns them, which takes
// each as pointer input at the place the report names. A program busy when the report comes
// (closing a dialog, starting the browser, drawing after a drag) reads it after the next move and
// puts the pointer back at the earlier place for a moment; GetCursorPos, asked after a tenth of a
// second, sets it right from the display's pointer again without telling any window. Should that
// happen while the button is held on a push button, the button sees the pointer leave and lets the
// press go, and the release, given where the pointer already is again, brings no move back over
// it: the click is lost. A drop-down list, which follows the pointer while it holds the mouse,
// chooses another entry or closes; a dragged thumb stops at the earlier place. So a press whose
// effect matters waits until the window's thread has answered (it is done with
// what kept it busy, and reads the reports still waiting) and the pointer has then rested on its
// point longer than a tenth of a second. A pointer seen elsewhere meanwhile gets the move again
// at once, so that the window sees it come back, and again each second it stays away. A second
// press where the pointer has rested for the first, as in a double click, needs no rest: no
// report of another place can be on its way.
void RestAt(POINT screen, HWND target) {
    if (SamePoint(screen, restedAt))
        return;
    constexpr ULONGLONG kAwayMs = 1000;
    constexpr UINT kAnswerMs = 5000;
    DWORD_PTR answer;
    SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &answer);
    ULONGLONG restingSince = GetTickCount64(), movedAgainAt = 0;
    WaitFor([&] {
        const ULONGLONG now = GetTickCount64();
        if (PointerIsAt(screen))
            return now - restingSince >= kRestMs;
        restingSince = now;
        if (now - movedAgainAt >= kAwayMs) {
            ++repeatedPointerMoves;
            Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)});
            movedAgainAt = now;
        }
        return false;
    });
    restedAt = screen;
}

} // namespace

::testing::AssertionResult PointerRestsAt(POINT screen, DWORD timeoutMs) {
    ULONGLONG restingSince = GetTickCount64();
    POINT cursor{};
    const bool rests = WaitFor(
        [&] {
            if (GetCursorPos(&cursor) && SamePoint(cursor, screen))
                return GetTickCount64() - restingSince >= kRestMs;
            restingSince = GetTickCount64();
            return false;
        },
        timeoutMs);
    if (rests)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the pointer at " << PointName(cursor) << ", not at " << PointName(screen);
}

::testing::AssertionResult RestPointerAt(POINT screen) {
    MoveMouseTo(screen);
    RestAt(screen, ClickTarget(screen));
    if (PointerIsAt(screen))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the pointer did not rest at " << PointName(screen);
}

namespace {

// A click, whose effect matters; a tap, for input whose loss matters to no one, as a soak's
// drags; or the press that a release elsewhere follows.
enum class Press { Click, Tap, Hold };

// Presses the left button where the pointer is, as a hand would: not while a control still
// holds the mouse from the last click (it would take this press too; a top-level window
// holding it, as in a picking mode, is meant to). For a click it returns once the press has
// arrived at a control that takes the mouse on it. The result is the window the press went to.
// The press carries its own position: one that took the pointer's would land on the earlier
// place the pointer can read back at for a moment (see RestAt). Only a tap goes without the
// rest, unless a drop-down would take it.
HWND PressHere(POINT screen, Press press) {
    const HWND target = ClickTarget(screen);
    const DWORD thread = GetWindowThreadProcessId(target, nullptr);
    WaitFor([thread] { return !HoldsMouseFromLastClick(CaptureOf(thread)); });
    if (press != Press::Tap || HasClass(target, L"ComboBox") || IsDroppedList(CaptureOf(thread)))
        RestAt(screen, target);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)});
    if (press == Press::Click)
        WaitFor([&] { return CaptureOf(thread) == target; }, 300);
    return target;
}

void ReleaseHere(HWND target, POINT screen) {
    const DWORD thread = GetWindowThreadProcessId(target, nullptr);
    const bool captured = CaptureOf(thread) == target;
    Send({MouseInput(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)});
    if (captured)
        WaitFor([&] { return CaptureOf(thread) != target; });
}

} // namespace

void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    ReleaseHere(PressHere(screen, Press::Click), screen);
}

void RightClickAt(POINT screen) {
    MoveMouseTo(screen);
    RestAt(screen, ClickTarget(screen));
    Send({MouseInput(MOUSEEVENTF_RIGHTDOWN), MouseInput(MOUSEEVENTF_RIGHTUP)});
}

HWND ShownWindow(const wchar_t* className, DWORD thread) {
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExW(nullptr, window, className, nullptr))
        if (IsWindowVisible(window) && (thread == 0 || GetWindowThreadProcessId(window, nullptr) == thread))
            return window;
    return nullptr;
}

void TapAt(POINT screen) {
    MoveMouseTo(screen);
    ReleaseHere(PressHere(screen, Press::Tap), screen);
}

void ClickControl(HWND control, int x, int y) {
    ClickAt(OnScreen(control, x, y));
}

void DragFromTo(POINT from, POINT to) {
    MoveMouseTo(from);
    const HWND target = PressHere(from, Press::Tap);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i)
        MoveMouseTo(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    ReleaseHere(target, to);
}

void PressAt(POINT screen) {
    MoveMouseTo(screen);
    PressHere(screen, Press::Hold);
}

// Where the press left the pointer: no move comes with the release.
void ReleaseAt(POINT screen) {
    const HWND target = ClickTarget(screen);
    const DWORD thread = GetWindowThreadProcessId(target, nullptr);
    Send({MouseInput(MOUSEEVENTF_LEFTUP)});
    WaitFor([&] { return CaptureOf(thread) != target; });
}

void PressKey(WORD virtualKey) {
    PressKeys({virtualKey});
}

namespace {

INPUT KeyInput(WORD virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}

} // namespace

void PressKeys(const std::vector<WORD>& virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        inputs.push_back(KeyInput(key, true));
        inputs.push_back(KeyInput(key, false));
    }
    Send(inputs);
}

void TypeKeys(const std::vector<WORD>& virtualKeys, DWORD gapMs) {
    for (size_t i = 0; i < virtualKeys.size(); ++i) {
        if (i > 0)
            Sleep(gapMs);
        PressKey(virtualKeys[i]);
    }
}

void PressCtrlKey(WORD virtualKey) {
    PressChord({VK_CONTROL}, virtualKey);
}

void PressChord(const std::vector<WORD>& modifiers, WORD virtualKey, int keyDowns) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(KeyInput(modifier, true));
    inputs.insert(inputs.end(), static_cast<size_t>(keyDowns), KeyInput(virtualKey, true));
    inputs.push_back(KeyInput(virtualKey, false));
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier)
        inputs.push_back(KeyInput(*modifier, false));
    Send(inputs);
}

std::wstring ShownTooltip() {
    const HWND tip = ShownWindow(TOOLTIPS_CLASSW);
    return tip ? TextOf(tip) : std::wstring();
}

// The display releases every key it does not hold itself when the pointer enters a window, and
// only learns of that when the window's program reads the report. So the pointer rests at the
// point first, and Shift, the press and the release follow in one go, without a move between.
void ShiftClickAt(POINT screen) {
    MoveMouseTo(screen);
    RestAt(screen, ClickTarget(screen));
    Send({KeyInput(VK_SHIFT, true),
          MouseInput(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
          MouseInput(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
          KeyInput(VK_SHIFT, false)});
}

void TurnWheel(int delta, int reports) {
    INPUT wheel = MouseInput(MOUSEEVENTF_WHEEL);
    wheel.mi.mouseData = static_cast<DWORD>(delta);
    Send(std::vector<INPUT>(static_cast<size_t>(reports), wheel));
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    return out;
}

int ScreenDpi() {
    return GetDeviceCaps(win::WindowDc(nullptr).get(), LOGPIXELSX);
}

namespace {

std::string ControlName(HWND control) {
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    const std::wstring text = TextOf(control);
    return "control " + std::to_string(GetDlgCtrlID(control)) + " (" + Utf8(className) +
           (text.empty() ? "" : " \"" + Utf8(text) + "\"") + ")";
}

std::string KeyName(WORD virtualKey) {
    wchar_t name[32] = {};
    GetKeyNameTextW(static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 16), name, 32);
    char code[8];
    std::snprintf(code, sizeof(code), "0x%02X", virtualKey);
    return "the key " + Utf8(name) + " (" + code + ")";
}

::testing::AssertionResult Awaited(const std::string& input, const std::string& effect,
                                   const std::function<bool()>& shows, DWORD timeoutMs) {
    if (WaitFor(shows, timeoutMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << input << ", given once: " << effect << " did not show within " << timeoutMs << " ms";
}

} // namespace

::testing::AssertionResult ClickFor(HWND control, int x, int y, const std::string& effect,
                                    const std::function<bool()>& shows, DWORD timeoutMs) {
    ClickControl(control, x, y);
    return Awaited("a click at " + PointName(POINT{x, y}) + " on " + ControlName(control), effect, shows,
                   timeoutMs);
}

::testing::AssertionResult ClickAtFor(POINT screen, const std::string& effect,
                                      const std::function<bool()>& shows, DWORD timeoutMs) {
    ClickAt(screen);
    return Awaited("a click at screen point " + PointName(screen), effect, shows, timeoutMs);
}

::testing::AssertionResult PressKeyFor(WORD virtualKey, const std::string& effect,
                                       const std::function<bool()>& shows, DWORD timeoutMs) {
    return PressKeysFor({virtualKey}, effect, shows, timeoutMs);
}

::testing::AssertionResult PressKeysFor(const std::vector<WORD>& virtualKeys, const std::string& effect,
                                        const std::function<bool()>& shows, DWORD timeoutMs) {
    PressKeys(virtualKeys);
    std::string input;
    for (WORD key : virtualKeys)
        input += (input.empty() ? "" : ", then ") + KeyName(key);
    return Awaited(input, effect, shows, timeoutMs);
}

::testing::AssertionResult DragFor(POINT from, POINT to, const std::string& effect,
                                   const std::function<bool()>& shows, DWORD timeoutMs) {
    DragFromTo(from, to);
    return Awaited("a drag from screen point " + PointName(from) + " to " + PointName(to), effect, shows,
                   timeoutMs);
}

namespace {

struct OwnedSearch {
    HWND owner;
    const std::wstring* caption; // any caption when null
    bool loupe;                  // the window that is never activated, or any other
    HWND found;
};

HWND FindOwned(HWND owner, const std::wstring* caption, bool loupe = false) {
    OwnedSearch search{owner, caption, loupe, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<OwnedSearch*>(param);
            const bool neverActive = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE) != 0;
            if (GetWindow(window, GW_OWNER) == s->owner && IsWindowVisible(window) &&
                neverActive == s->loupe && (!s->caption || TextOf(window) == *s->caption)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

HWND OwnedWindow(HWND owner, const std::wstring& caption) {
    return FindOwned(owner, &caption);
}

HWND OwnedWindow(HWND owner) {
    return FindOwned(owner, nullptr);
}

HWND ShownLoupe(HWND owner) {
    return FindOwned(owner, nullptr, true);
}

bool HasChildWithText(HWND window, const std::wstring& text) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (TextOf(child) == text)
            return true;
    return false;
}

} // namespace e2e
