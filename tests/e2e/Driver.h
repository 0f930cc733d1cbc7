#pragma once
// Starts Tintra.exe and uses it as a person would: real input through SendInput, then
// reading back the window, its controls, the registry and the clipboard.
#include "../win/NotationRows.h"
#include "logic/color/ColorNotation.h"
#include "resource.h"
#include "win/Handles.h"
#include "win/Window.h"
#include "win/WindowRects.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr wchar_t kSettingsKey[] = L"Software\\Kelvo Tintra\\Tintra\\Settings";

// The red, green and blue channels: slider, padlock, and the padlock's face when latched.
struct Channel {
    const char* name;
    int sliderId;
    int lockId;
    COLORREF latchedFace;
};
constexpr Channel kChannels[] = {{"red", IDC_SLIDER_RED, IDC_LOCK_RED, RGB(255, 121, 121)},
                                 {"green", IDC_SLIDER_GREEN, IDC_LOCK_GREEN, RGB(26, 255, 26)},
                                 {"blue", IDC_SLIDER_BLUE, IDC_LOCK_BLUE, RGB(131, 187, 243)}};
constexpr COLORREF kReleasedLockFace = RGB(213, 213, 213);
// The frame round the active pane.
constexpr COLORREF kActivePaneFrame = RGB(0xDE, 0, 0);
// The note a change of language brings, in the language the program started in.
constexpr const wchar_t* kRestartNote[] = {L"Language options will be applied when application is restarted",
                                           L"Языковые опции будут применены после перезагрузки программы"};

// Waits for the condition, checking every few milliseconds, for at most timeoutMs.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// What that thread's windows hold: the active window, the focus, the capture; all null when unknown.
GUITHREADINFO GuiInfo(DWORD thread);
// The window that holds the mouse capture in that thread, or null.
HWND CaptureOf(DWORD thread);

void ClearSettings();
void StoreSetting(const wchar_t* name, DWORD value);
// The stored value, or -1 when it is missing.
long long ReadSetting(const wchar_t* name);

std::wstring TextOf(HWND window);

// The program's start-up entry "Tintra": the Run key under the root, for the machine's in one
// of its two registry views (KEY_WOW64_64KEY or KEY_WOW64_32KEY).
HKEY OpenRunKey(HKEY root, REGSAM access, bool create = false);
// The entry's text, or "<none>".
std::wstring StartupEntry(HKEY root, REGSAM view = 0);
// Takes it out for the user and, in both views, for the machine.
void RemoveStartupEntries();

// Tintra.exe beside the test executable.
std::wstring ProgramPath();

class TintraProcess {
  public:
    TintraProcess() = default;
    TintraProcess(const TintraProcess&) = delete;
    TintraProcess& operator=(const TintraProcess&) = delete;
    ~TintraProcess();

    // Starts the program beside the test executable and waits for its main window.
    bool Start();
    // The same with the program at another place, such as an installed copy.
    bool Start(const std::wstring& programPath);
    HWND MainWindow() const { return mainWindow; }
    HANDLE Handle() const { return process.hProcess; }
    HWND Control(int id) const { return GetDlgItem(mainWindow, id); }
    // The information panel: the child dialog that holds the value texts.
    HWND InfoPanel() const;
    std::wstring InfoText(int id) const { return TextOf(GetDlgItem(InfoPanel(), id)); }
    HWND PanelButton(int id) const { return GetDlgItem(Control(IDC_TOOL_PANEL), id); }
    // Posts WM_CLOSE and waits for the process to end; returns its exit code, or -1.
    long long CloseAndWait();
    // Whether the test has closed or killed the process it started last.
    bool Ended() const { return ended; }
    bool IsRunning() const;
    // The exit code once the process has ended, or -1.
    long long ExitCode() const;
    // The thread that runs every window of the program.
    DWORD UiThread() const { return process.dwThreadId; }
    // Whether the main window holds the mouse, as a picking mode does while it waits.
    bool HoldsMouse() const { return CaptureOf(UiThread()) == mainWindow; }
    // Whether the notation mark with that id shows its filled square on the screen.
    bool MarkIsSet(int checkId) const;
    // Ends the process at once, as a crash would: no WM_CLOSE, nothing saved or restored.
    void Kill();

  private:
    void Release();

    PROCESS_INFORMATION process{};
    HWND mainWindow = nullptr;
    bool ended = false;
};

// A test of one Tintra: the settings cleared before and after it, and the program, unless the
// test has ended it, still running at its end, closing cleanly and leaving no picking mode's
// marker behind.
template <typename Base = ::testing::Test> class WithTintra : public Base {
  protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override {
        if (tintra.Handle() && !tintra.Ended()) {
            EXPECT_EQ(tintra.CloseAndWait(), 0);
            EXPECT_EQ(ReadSetting(L"cursors_replaced"), -1);
        }
        ClearSettings();
    }
    void Start() { ASSERT_TRUE(tintra.Start()); }
    void StartIn(bool russian) {
        StoreSetting(L"language", russian ? 1 : 0);
        Start();
    }

    TintraProcess tintra;
};

// A copy of one of the program's dialog templates in this process: the dialog manager gives
// it the font and the places it gives the program's dialog, at the same DPI.
class TemplateCopy {
  public:
    explicit TemplateCopy(int templateId, HWND parent = nullptr) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        dialog = CreateDialogParamW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    }
    TemplateCopy(const TemplateCopy&) = delete;
    TemplateCopy& operator=(const TemplateCopy&) = delete;
    ~TemplateCopy() { DestroyWindow(dialog); }
    HWND Hwnd() const { return dialog; }
    HFONT Font() const { return reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)); }

  private:
    HWND dialog = nullptr;
};

// Sends a message whose lParam points to a T, which the receiving process fills in.
bool SendWithRemoteData(HWND window, UINT message, WPARAM wParam, void* data, size_t size);
// The trackbar's thumb, in the trackbar's client coordinates.
RECT ThumbRect(HWND trackbar);
// A point of a window's client area, on the screen.
POINT OnScreen(HWND window, int x, int y);
// The middle of a window's client area, on the screen.
POINT MiddleOf(HWND window);
// The middle of the trackbar's thumb, on the screen: where a drag of it starts.
POINT ThumbMiddle(HWND trackbar);
int TrackbarPos(HWND trackbar);

// The 8-bit text on the clipboard, or "<none>".
std::string ClipboardText();
void EmptyTheClipboard();
// Puts the text on the clipboard as another program would: as 8-bit or as Unicode text.
void PutOnClipboard(const std::string& text);
void PutOnClipboard(const std::wstring& text);
// What the screen shows at a point of a window's client area.
COLORREF ScreenPixel(HWND window, int x, int y);
// Whether the screen comes to show that colour there; a failure names what it shows instead.
::testing::AssertionResult ScreenShows(HWND window, int x, int y, COLORREF color);

using win::RectInParent;
std::string Utf8(const std::wstring& text);
// The screen's DPI, as a DPI-aware process reads it.
int ScreenDpi();

bool IsGroupBox(HWND window);
// The window a click at that point goes to: the control under a group box, which lets clicks
// through to the controls inside it.
HWND ClickTarget(POINT screen);

// Real input, as a person gives it: every press and every release once, each at its own
// absolute position. The pointer's move is the one thing given again, when the pointer has not
// arrived after a while; RepeatedPointerMoves counts those.
void MoveMouseTo(POINT screen);
int RepeatedPointerMoves();
// True once the pointer has stayed at the point a little longer than a tenth of a second, after
// which the place read back is the display's own pointer's (see RestAt in Driver.cpp).
::testing::AssertionResult PointerRestsAt(POINT screen, DWORD timeoutMs = 10000);
// The pointer moved to the point and resting there once the window under it has seen it arrive,
// as a press waits for (see RestAt): for a tip, a wheel turn or a key that acts where it is.
::testing::AssertionResult RestPointerAt(POINT screen);
void ClickAt(POINT screen);
// A click of the right button once the pointer rests there.
void RightClickAt(POINT screen);
// The first visible top-level window of that class (of that thread, unless 0), or null: a popup
// menu's is "#32768".
HWND ShownWindow(const wchar_t* className, DWORD thread = 0);
// A click that waits neither for the pointer to settle nor for a control to take it, for input
// whose loss matters to no one.
void TapAt(POINT screen);
void ClickControl(HWND control, int x, int y);
void PressKey(WORD virtualKey);
// Presses and releases each key in turn, all in one SendInput call: no other input comes between
// them, so the effect of the last shows that the ones before it have arrived too.
void PressKeys(const std::vector<WORD>& virtualKeys);
// Each key pressed and released in turn, the next one that long after, as a fast typist types:
// the pacing of the input, never a wait for its effect.
void TypeKeys(const std::vector<WORD>& virtualKeys, DWORD gapMs);
// The key with Ctrl held down.
void PressCtrlKey(WORD virtualKey);
// A click with Shift held, where a picking mode holds the mouse.
void ShiftClickAt(POINT screen);
// The wheel turned away from the user (towards, when negative) in that many reports of the delta
// each, in one go: 120 is a notch of a wheel, a touchpad reports parts of one, a fast turn more.
void TurnWheel(int delta, int reports = 1);
// The key with the modifiers held down, all in one SendInput call: Ctrl+Shift+C. Held, the key
// goes down that many times before it comes up, as auto-repeat gives it.
void PressChord(const std::vector<WORD>& modifiers, WORD virtualKey, int keyDowns = 1);
// The text of the tooltip on show, or an empty text while none shows.
std::wstring ShownTooltip();
// The window with the keyboard focus in that thread, or null.
HWND FocusOf(DWORD thread);

// A drag whose path no one checks, as a soak's: its press and release go without the rest a
// click waits for, so a late report of an earlier place may shorten or lose it.
void DragFromTo(POINT from, POINT to);
// The left button pressed at a point and held there, and let go again without a move.
void PressAt(POINT screen);
void ReleaseAt(POINT screen);

// One input, given once, then its effect awaited for at most timeoutMs. A failure names the
// input and the effect that did not show. Nothing is given again: an input the program lost,
// or one whose effect comes late, fails the test.
constexpr DWORD kEffectTimeoutMs = 10000;
::testing::AssertionResult ClickFor(HWND control, int x, int y, const std::string& effect,
                                    const std::function<bool()>& shows, DWORD timeoutMs = kEffectTimeoutMs);
::testing::AssertionResult ClickAtFor(POINT screen, const std::string& effect,
                                      const std::function<bool()>& shows, DWORD timeoutMs = kEffectTimeoutMs);
::testing::AssertionResult PressKeyFor(WORD virtualKey, const std::string& effect,
                                       const std::function<bool()>& shows,
                                       DWORD timeoutMs = kEffectTimeoutMs);
::testing::AssertionResult PressKeysFor(const std::vector<WORD>& virtualKeys, const std::string& effect,
                                        const std::function<bool()>& shows,
                                        DWORD timeoutMs = kEffectTimeoutMs);
::testing::AssertionResult DragFor(POINT from, POINT to, const std::string& effect,
                                   const std::function<bool()>& shows, DWORD timeoutMs = kEffectTimeoutMs);

// A visible window the owner owns, with that caption: one of its dialogs or its note.
HWND OwnedWindow(HWND owner, const std::wstring& caption);
// A visible window the owner owns, whatever its caption: the modal dialog it has opened.
HWND OwnedWindow(HWND owner);
// The loupe beside the pointer while it shows: the owner's window that is never activated.
HWND ShownLoupe(HWND owner);
bool HasChildWithText(HWND window, const std::wstring& text);

} // namespace e2e
