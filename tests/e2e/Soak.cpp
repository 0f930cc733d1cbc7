// Uses a running Tintra the way a restless person would, with random input from a seeded
// generator, and checks after every batch that the program is still sound. It also goes
// through the colour, options and about dialogs, ends the program in the three ways a session
// ends it (closed, logged off, killed while a picking mode waits) and watches its memory.
//   soak [--inputs N] [--seed S]
// It runs at the screen's DPI, and reads and clicks physical pixels there.
// A failure prints the seed and the last inputs, so that the run can be given again.
#include "../win/AccessibleReader.h"
#include "Driver.h"
#include "ProcessFigures.h"
#include "logic/ColorNotation.h"
#include "logic/DpiScaling.h"
#include "logic/KeyCommands.h"
#include "logic/Palette.h"
#include "logic/PaneLayout.h"
#include "logic/Theme.h"
#include "win/Colors.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace e2e;

constexpr int kBatch = 100;
constexpr size_t kInputsKept = 20;
constexpr DWORD kAnswerTimeoutMs = 1000;
constexpr DWORD kSettleTimeoutMs = 3000;
constexpr DWORD kEffectTimeoutMs = 5000;

constexpr int kColorDisplay = 1000;
constexpr int kSliders[] = {1018, 1019, 1020};
constexpr int kLocks[] = {1002, 1003, 1004};
constexpr int kMarks[] = {3000, 3001, 3002, 3003, 3004};
// Value texts, indexed by ColorNotation.
constexpr int kValueTexts[] = {1002, 1003, 1004, 1009, 1011};
constexpr int kColorDialogButton = 5000, kPickerButton = 5001, kZoomButton = 5002;
constexpr int kOptionsButton = 5004, kAboutButton = 5005, kHelpButton = 5006;
constexpr int kFirstToolButton = 5000, kLastToolButton = 5007;
// Buttons a random click must not reach: help opens a viewer; the dialogs have inputs of their
// own, which know what the dialog will do with the clicks that follow.
constexpr int kButtonsNotClicked[] = {kHelpButton, kColorDialogButton, kOptionsButton, kAboutButton};
constexpr COLORREF kActiveFrame = RGB(0xDE, 0, 0);
constexpr COLORREF kLockReleased = RGB(213, 213, 213);

// The colour dialog.
constexpr int kPalette = 1043, kMoreColors = 1044;
// The system colour dialog: its grid of 8 x 6 basic colours.
constexpr int kBasicColors = 0x2D0, kBasicColumns = 8, kBasicRows = 6;
// The options dialog.
constexpr int kGridBox = 1041, kPaneCountBox = 1042, kAutostartBox = 1043, kEnglish = 1051, kRussian = 1052;
constexpr int kThemeButtons[] = {1040, 1044, 1045, 1046, 1047, 1048}; // themes 1 to 6
constexpr int kPaneChoices[] = {1, 2, 4, 6, 9};                        // the list's entries in order
// The about dialog.
constexpr int kLink = 1050;

constexpr wchar_t kEnglishNote[] = L"Language options will be applied when application is restarted";
constexpr wchar_t kRussianNote[] = L"Языковые опции будут применены после перезагрузки программы";
constexpr wchar_t kCursorMarker[] = L"cursors_replaced";
constexpr wchar_t kBrowserCommandKey[] = L"http\\shell\\open\\command";
constexpr wchar_t kBrowserStartedEvent[] = L"Local\\TintraSoakStandInBrowser";

// A process lives between a start and one of the three ends for this share of the run at
// least, and for twice as much at most, so that its memory is watched over many inputs.
constexpr int kLifeShare = 8;
// The memory figures of a process are taken once it has had this many inputs and has opened
// each dialog once, when its dialogs, fonts and caches have all been made, and again at its end.
// The first opening of a dialog makes some sixty GDI objects that stay for the process's life.
constexpr int kWarmInputs = 500;
constexpr size_t kDialogKinds = 4; // the colour dialog, the system one, the options, the about
// Growth allowed from that point to the end of a process. Tintra's memory is made of the
// canvases and pictures of its windows, which stay, and of dialogs, which go with their run:
// nothing it holds grows with the number of inputs. What grows without a leak is the heap's
// spread and the caches of Wine's own libraries, a few hundred kilobytes over thousands of
// inputs. One palette picture kept per colour dialog (301 x 145 pixels, 170 KB) or one about
// banner per opening (60 KB) passes 4 MB within a hundred openings, fewer than a run has.
constexpr SIZE_T kCommittedGrowthBound = 4 * 1024 * 1024;
// The GDI objects of a settled program are its windows' brushes, bitmaps and device contexts,
// the same number after every dialog. A few come and go with Wine's caches (fonts of the
// dialogs, the system colour dialog's brushes); a brush kept per dialog passes this bound in
// a few dozen openings.
constexpr long kGdiGrowthBound = 16;
// The settings the program saves when it closes, by their registry names.
using Settings = std::map<std::wstring, long long>;
constexpr const wchar_t* kSettingNames[] = {L"color",     L"topmost",  L"x",         L"y",
                                            L"theme",     L"panes",    L"active_pane", L"language",
                                            L"format",    L"lock_red", L"lock_green", L"lock_blue",
                                            L"grid",      L"autostart"};
constexpr const wchar_t* kLockNames[] = {L"lock_red", L"lock_green", L"lock_blue"};

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text)
        narrow += c < 128 ? static_cast<char>(c) : '?';
    return narrow;
}

bool IsNotClicked(int buttonId) {
    return std::find(std::begin(kButtonsNotClicked), std::end(kButtonsNotClicked), buttonId) !=
           std::end(kButtonsNotClicked);
}

// Keys beside those of the key table: letters, digits, arrows and editing keys with no
// meaning to the program. Modifiers, Alt and F10 (the window menu) are left out.
std::vector<WORD> OtherKeys() {
    std::vector<WORD> keys = {VK_LEFT, VK_RIGHT, VK_UP,    VK_DOWN, VK_TAB,    VK_BACK, VK_DELETE,
                              VK_HOME, VK_END,   VK_PRIOR, VK_NEXT, VK_INSERT, VK_F2,   VK_F5};
    for (WORD key = 'A'; key <= 'Z'; ++key)
        keys.push_back(key);
    for (WORD key = '0'; key <= '9'; ++key)
        keys.push_back(key);
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [](WORD key) { return CommandForKey(key, false).action != KeyAction::None; }),
               keys.end());
    return keys;
}

// Every key the key table knows without Ctrl, except those of the buttons not clicked.
std::vector<WORD> TableKeys() {
    std::vector<WORD> keys;
    for (unsigned key = 1; key < 256; ++key) {
        const KeyCommand command = CommandForKey(key, false);
        const bool opensSomething =
            command.action == KeyAction::PanelCommand &&
            (command.argument == kCommandHelp || command.argument == kCommandColorDialog ||
             command.argument == kCommandOptions || command.argument == kCommandAbout);
        if (command.action != KeyAction::None && !opensSomething)
            keys.push_back(static_cast<WORD>(key));
    }
    return keys;
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Settings StoredSettings(int panes) {
    Settings stored;
    for (const wchar_t* name : kSettingNames)
        stored[name] = ReadSetting(name);
    for (int pane = 1; pane <= panes; ++pane)
        stored[L"color" + std::to_wstring(pane)] = ReadSetting((L"color" + std::to_wstring(pane)).c_str());
    return stored;
}

// The first value that differs, as "\"theme\" is 3, expected 5"; empty when all agree.
// Values missing from the expected settings are not compared.
std::string Difference(const Settings& found, const Settings& expected) {
    for (const auto& [name, value] : expected) {
        if (value < 0)
            continue;
        const auto it = found.find(name);
        const long long there = it == found.end() ? -1 : it->second;
        if (there != value)
            return "\"" + Narrow(name) + "\" is " + std::to_string(there) + ", expected " + std::to_string(value);
    }
    return {};
}

// The about dialog's link starts the browser the registry names; for the run it names a
// stand-in beside this program, and the user's command is put back at the end.
class StandInBrowser {
  public:
    StandInBrowser() : started(CreateEventW(nullptr, FALSE, FALSE, kBrowserStartedEvent)) {
        DWORD bytes = sizeof(previous);
        hadPrevious = RegGetValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr, RRF_RT_REG_SZ, nullptr,
                                   previous, &bytes) == ERROR_SUCCESS;
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring path = self;
        path.erase(path.find_last_of(L"\\/") + 1);
        Store(L"\"" + path + L"stand_in_browser.exe\" \"%1\"");
    }
    StandInBrowser(const StandInBrowser&) = delete;
    StandInBrowser& operator=(const StandInBrowser&) = delete;
    ~StandInBrowser() {
        if (hadPrevious)
            Store(previous);
        else
            RegDeleteKeyValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr);
        CloseHandle(started);
    }
    // Waits, bounded, for the stand-in to say it has started.
    bool WaitForStart() const { return WaitForSingleObject(started, kEffectTimeoutMs) == WAIT_OBJECT_0; }
    bool StartedMeanwhile() const { return WaitForSingleObject(started, 0) == WAIT_OBJECT_0; }

  private:
    static void Store(const std::wstring& command) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }

    HANDLE started;
    wchar_t previous[1024] = {};
    bool hadPrevious = false;
};

// What the user has chosen in the options dialog; the program keeps it until it closes.
struct Choices {
    int panes = 4;
    int theme = kDefaultTheme;
    bool grid = true;
    bool autostart = false;
    bool russian = false;

    // As the last clean close stored them; missing values take their defaults.
    static Choices From(const Settings& stored) {
        Choices choices;
        const auto value = [&](const wchar_t* name, long long fallback) {
            const long long v = stored.at(name);
            return v < 0 ? fallback : v;
        };
        choices.panes = static_cast<int>(value(L"panes", 4));
        choices.theme = static_cast<int>(value(L"theme", kDefaultTheme));
        choices.grid = value(L"grid", 1) != 0;
        choices.autostart = value(L"autostart", 0) != 0;
        choices.russian = value(L"language", 0) != 0;
        return choices;
    }
};

class Soak {
  public:
    Soak(unsigned runSeed, int runInputs)
        : seed(runSeed), inputs(runInputs), random(runSeed), tableKeys(TableKeys()), otherKeys(OtherKeys()),
          lifeInputs(std::max(kBatch, runInputs / kLifeShare)),
          warmInputs(std::min(kWarmInputs, std::max(kBatch, runInputs / kLifeShare / 2))) {}

    int Run() {
        const auto start = std::chrono::steady_clock::now();
        ClearSettings();
        RemoveStartupEntries();
        saved = StoredSettings(0);
        if (const std::string problem = Start(); !problem.empty())
            return Fail(0, problem);
        for (int done = 1; done <= inputs; ++done) {
            given = done;
            ++processInputs;
            if (const std::string problem = GiveOneInput(); !problem.empty())
                return Fail(done, problem);
            if (!process->IsRunning())
                return Fail(done, "the process ended with exit code " + std::to_string(process->ExitCode()));
            if (done % kBatch != 0 && done != inputs)
                continue;
            if (const std::string broken = BrokenInvariant(); !broken.empty())
                return Fail(done, broken);
            if (const std::string grown = WatchMemory(); !grown.empty())
                return Fail(done, grown);
            if (processInputs >= lifeQuota && done != inputs) {
                if (const std::string problem = EndAndStartAgain(); !problem.empty())
                    return Fail(done, problem);
            }
        }
        if (const std::string problem = CleanClose(); !problem.empty())
            return Fail(inputs, problem);
        if (const std::string grown = EndOfProcessMemory(); !grown.empty())
            return Fail(inputs, grown);
        ClearSettings();
        RemoveStartupEntries();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        PrintCounts();
        if (measuredProcesses == 0)
            std::printf("soak: memory not measured: no process had %d inputs and every dialog before its end\n",
                        warmInputs);
        else
            std::printf("soak: memory of %d of the %d processes, measured after their first %d inputs and every "
                        "dialog: largest growth committed %+lld KB (bound %zu KB), GDI objects %+ld (bound %ld)\n",
                        measuredProcesses, processes, warmInputs, largestCommittedGrowth / 1024,
                        kCommittedGrowthBound / 1024, largestGdiGrowth, kGdiGrowthBound);
        std::printf("soak: %d inputs, %d processes, %.0f s at %d DPI, every invariant held; seed %u\n", inputs,
                    processes, seconds, dpi, seed);
        return 0;
    }

    int Fail(int at, const std::string& what) const {
        std::printf("soak: FAILED after %d inputs: %s\nsoak: seed %u; the last inputs, oldest first:\n", at,
                    what.c_str(), seed);
        for (const std::string& input : recent)
            std::printf("  %s\n", input.c_str());
        PrintCounts();
        return 1;
    }
    int Given() const { return given; }

  private:
    // A window that vanished in a restart has an empty rectangle: its range has no numbers.
    int Pick(int low, int high) {
        return high < low ? low : std::uniform_int_distribution<int>(low, high)(random);
    }
    template <size_t N> int OneOf(const int (&ids)[N]) { return ids[Pick(0, static_cast<int>(N) - 1)]; }

    // ---- Starting and ending --------------------------------------------------------------

    std::string Start() {
        process = std::make_unique<TintraProcess>();
        if (!process->Start())
            return "Tintra did not start";
        main = process->MainWindow();
        pickers = std::make_unique<PickerReaders>(*process);
        ++processes;
        processInputs = 0;
        lifeQuota = Pick(lifeInputs, 2 * lifeInputs);
        warm = ProcessFigures{};
        latest = ProcessFigures{};
        dialogsOpened.clear();
        choices = Choices::From(saved);
        // The cursors a killed run left replaced are put back before the window shows.
        if (!WaitFor([] { return ReadSetting(kCursorMarker) == -1; }, kEffectTimeoutMs))
            return "the start left the marker of replaced system cursors";
        std::string problem;
        if (!WaitFor([&] { return (problem = ShowsStoredSettings()).empty(); }, kSettleTimeoutMs))
            return "the new start does not show the settings of the last clean close: " + problem;
        return {};
    }

    // One of the three ends, then a new start that must show what the last clean close saved.
    std::string EndAndStartAgain() {
        if (endings.empty()) {
            endings = {0, 1, 2};
            std::shuffle(endings.begin(), endings.end(), random);
        }
        const int ending = endings.back();
        endings.pop_back();
        std::string problem = EndOfProcessMemory();
        if (problem.empty())
            problem = ending == 0 ? CleanClose() : ending == 1 ? EndSession() : KillWhilePicking();
        return problem.empty() ? Start() : problem;
    }

    std::string CleanClose() {
        Count("end: close");
        const Settings shown = ShownSettings();
        const long long exitCode = process->CloseAndWait();
        if (exitCode != 0)
            return "closing ended with exit code " + std::to_string(exitCode);
        saved = StoredSettings(choices.panes);
        if (const std::string wrong = Difference(saved, shown); !wrong.empty())
            return "after a clean close " + wrong + " as the window showed";
        if (ReadSetting(kCursorMarker) != -1)
            return "a clean close left the marker of replaced system cursors";
        return StartupEntryProblem();
    }

    // Start with Windows is entered or taken out as the program saves its settings.
    std::string StartupEntryProblem() const {
        if ((StartupEntry(HKEY_CURRENT_USER) != L"<none>") != choices.autostart)
            return choices.autostart ? "start with Windows is chosen, but the program is not entered"
                                     : "start with Windows is not chosen, but the program is entered";
        return {};
    }

    // Logoff: the program saves on WM_ENDSESSION, and the system then ends it.
    std::string EndSession() {
        Count("end: WM_ENDSESSION");
        const Settings shown = ShownSettings();
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, kEffectTimeoutMs,
                            &answer);
        if (!SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kEffectTimeoutMs,
                                 &answer))
            return "WM_ENDSESSION was not answered within five seconds";
        saved = StoredSettings(choices.panes);
        if (const std::string wrong = Difference(saved, shown); !wrong.empty())
            return "after WM_ENDSESSION " + wrong + " as the window showed";
        if (const std::string problem = StartupEntryProblem(); !problem.empty())
            return problem;
        if (!process->IsRunning() && process->ExitCode() != 0)
            return "the process ended on WM_ENDSESSION with exit code " + std::to_string(process->ExitCode());
        process->Kill();
        return {};
    }

    // Killed while a picking mode holds the replaced cursors: nothing is saved, and the next
    // start restores the user's cursors.
    std::string KillWhilePicking() {
        const bool zoom = Pick(0, 1) != 0;
        Count(zoom ? "end: killed while the zoomed picker waits" : "end: killed while the picker waits");
        const HWND button = process->PanelButton(zoom ? kZoomButton : kPickerButton);
        Click("click on a picker", PointIn(button));
        const long long processId = GetProcessId(process->Handle());
        if (!WaitFor([&] { return CaptureOf(process->UiThread()) == main && ReadSetting(kCursorMarker) == processId; },
                     kEffectTimeoutMs))
            return "one click on a picker button did not start its mode with the cursors replaced";
        Note("kill");
        process->Kill();
        if (const std::string wrong = Difference(StoredNow(), saved); !wrong.empty())
            return "a killed run changed the stored settings: " + wrong;
        if (ReadSetting(kCursorMarker) != processId)
            return "the marker of replaced system cursors is gone although the run was killed";
        return {};
    }

    // ---- What the window shows ------------------------------------------------------------

    ColorRef SliderColor() const {
        return MakeColorRef(TrackbarPos(process->Control(kSliders[0])),
                            TrackbarPos(process->Control(kSliders[1])),
                            TrackbarPos(process->Control(kSliders[2])));
    }
    std::vector<PixelRect> Panes() const {
        RECT client;
        GetClientRect(process->Control(kColorDisplay), &client);
        return LayoutPanes(choices.panes, client.right, client.bottom, dpi);
    }
    static POINT Middle(const PixelRect& pane) {
        return POINT{(pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2};
    }
    // The main window's face, left of the red slider, shows the theme's darker colour.
    ColorRef FaceColor() const {
        const RECT slider = RectInParent(process->Control(kSliders[0]));
        return win::ToColorRef(ScreenPixel(main, slider.left - 2, (slider.top + slider.bottom) / 2));
    }

    // What the program would save now, read from the screen and the window, as the user sees it.
    Settings ShownSettings() const {
        Settings shown;
        shown[L"color"] = static_cast<DWORD>(SliderColor());
        RECT window;
        GetWindowRect(main, &window);
        shown[L"x"] = static_cast<DWORD>(window.left);
        shown[L"y"] = static_cast<DWORD>(window.top);
        shown[L"topmost"] = (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        shown[L"theme"] = choices.theme;
        shown[L"panes"] = choices.panes;
        shown[L"grid"] = choices.grid;
        shown[L"autostart"] = choices.autostart;
        shown[L"language"] = choices.russian;
        long long format = 0;
        for (int notation = kNotationCount - 1; notation >= 0; --notation)
            if (process->MarkIsSet(kMarks[notation]))
                format = notation;
        shown[L"format"] = format;
        for (size_t i = 0; i < std::size(kLocks); ++i)
            shown[kLockNames[i]] = ScreenPixel(process->Control(kLocks[i]), ScaleToDpi(2, dpi), ScaleToDpi(7, dpi)) !=
                                   kLockReleased;
        const HWND display = process->Control(kColorDisplay);
        const std::vector<PixelRect> panes = Panes();
        for (size_t i = 0; i < panes.size(); ++i) {
            const POINT middle = Middle(panes[i]);
            shown[L"color" + std::to_wstring(i + 1)] = ScreenPixel(display, middle.x, middle.y);
            if (panes.size() == 1 || ScreenPixel(display, panes[i].left, middle.y) == kActiveFrame)
                shown[L"active_pane"] = static_cast<long long>(i);
        }
        return shown;
    }

    // The empty text when a new start shows what the last clean close stored.
    std::string ShowsStoredSettings() const {
        // These come from the choices, which were read from the stored settings: the theme
        // is seen on the face, the pane count in the panes, the others in the options dialog.
        Settings expected = saved;
        for (const wchar_t* name : {L"theme", L"panes", L"grid", L"autostart", L"language"})
            expected.erase(name);
        if (const std::string wrong = Difference(ShownSettings(), expected); !wrong.empty())
            return "the window shows " + wrong + " as stored";
        return FaceProblem();
    }

    std::string FaceProblem() const {
        const ColorRef face = FaceColor(), theme = LookupTheme(choices.theme).backgroundColor;
        if (face != theme)
            return "the face shows " + RgbText(face) + ", theme " + std::to_string(choices.theme) + " has " +
                   RgbText(theme);
        return {};
    }

    // ---- Input ------------------------------------------------------------------------------

    void Note(const std::string& input) {
        recent.push_back(input);
        if (recent.size() > kInputsKept)
            recent.pop_front();
    }
    void Count(const std::string& kind) {
        ++counts[kind];
        Note(kind);
    }
    void PrintCounts() const {
        std::printf("soak: inputs by kind:\n");
        for (const auto& [kind, count] : counts)
            std::printf("  %-52s %6d\n", kind.c_str(), count);
    }

    POINT ScreenOf(HWND window, POINT point) const {
        ClientToScreen(window, &point);
        return point;
    }
    bool OnButtonNotClicked(POINT screen) const {
        for (int id : kButtonsNotClicked) {
            RECT rect;
            GetWindowRect(process->PanelButton(id), &rect);
            if (PtInRect(&rect, screen))
                return true;
        }
        return false;
    }
    // Anywhere in the client area but on a button that must not be clicked.
    POINT AnyPoint() {
        RECT client{};
        GetClientRect(main, &client);
        for (;;) {
            const POINT screen = ScreenOf(main, POINT{Pick(0, client.right - 1), Pick(0, client.bottom - 1)});
            if (!OnButtonNotClicked(screen))
                return screen;
        }
    }
    POINT InClientArea(POINT screen) const {
        RECT client;
        GetClientRect(main, &client);
        MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return POINT{std::clamp(screen.x, client.left, client.right - 1),
                     std::clamp(screen.y, client.top, client.bottom - 1)};
    }
    POINT PointIn(HWND window) {
        RECT rect{};
        GetClientRect(window, &rect);
        return ScreenOf(window, POINT{Pick(0, rect.right - 1), Pick(0, rect.bottom - 1)});
    }
    static std::string At(POINT screen) {
        return " at (" + std::to_string(screen.x) + ", " + std::to_string(screen.y) + ")";
    }

    void Click(const std::string& what, POINT screen) {
        Note(what + At(screen));
        lastClick = screen;
        TapAt(screen);
    }
    // A click on a control that takes the mouse when pressed, as buttons do. Its middle, or a
    // point beside it when the last click was there: two clicks on one spot are a double click.
    void ClickButton(const std::string& what, HWND button) {
        RECT rect{};
        GetClientRect(button, &rect);
        POINT screen = MiddleOf(button);
        for (const POINT beside : {POINT{rect.right / 4, rect.bottom / 4}, POINT{rect.right * 3 / 4, rect.bottom * 3 / 4}}) {
            if (!NearLastClick(screen))
                break;
            screen = ScreenOf(button, beside);
        }
        Count(what);
        lastClick = screen;
        ClickAt(screen);
    }
    bool NearLastClick(POINT screen) const {
        return std::abs(screen.x - lastClick.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
               std::abs(screen.y - lastClick.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    }
    void Key(const std::string& what, WORD key) {
        char text[32];
        std::snprintf(text, sizeof(text), " (key 0x%02X)", key);
        ++counts[what];
        Note(what + text);
        PressKey(key);
    }
    // A key for a dialog, which must be in front to receive it.
    std::string KeyIn(HWND dialog, const std::string& what, WORD key) {
        if (!WaitFor([&] { return GetForegroundWindow() == dialog; }, kEffectTimeoutMs))
            return "the dialog is not in front for " + what + "; in front: " + Describe(GetForegroundWindow());
        Key(what, key);
        return {};
    }
    // A colour as another program puts it on the clipboard, then Ctrl+V.
    void Paste() {
        char text[8];
        std::snprintf(text, sizeof(text), "#%06X", static_cast<unsigned>(Pick(0, 0xFFFFFF)));
        ++counts["paste"];
        Note(std::string("paste ") + text);
        PutOnClipboard(std::string(text));
        PressCtrlKey('V');
    }
    void Drag(const char* what, POINT from, POINT to) {
        Note(std::string(what) + At(from) + " to" + At(to));
        lastClick = to;
        DragFromTo(from, to);
    }
    int AllowedToolButton() {
        for (;;) {
            const int id = Pick(kFirstToolButton, kLastToolButton);
            if (!IsNotClicked(id))
                return id;
        }
    }

    // The empty text, or what went wrong with an input whose effect is awaited.
    std::string GiveOneInput() {
        const int kind = Pick(0, 999);
        std::string problem;
        if (kind < 200) {
            ++counts["click anywhere"];
            Click("click", AnyPoint());
        } else if (kind < 300) {
            ++counts["click on a pane"];
            Click("click on a pane", PointIn(process->Control(kColorDisplay)));
        } else if (kind < 370) {
            ++counts["click on a lock"];
            Click("click on a lock", PointIn(process->Control(OneOf(kLocks))));
        } else if (kind < 440) {
            ++counts["click on a mark"];
            Click("click on a mark", PointIn(GetDlgItem(process->InfoPanel(), OneOf(kMarks))));
        } else if (kind < 500) {
            ++counts["click on a slider"];
            Click("click on a slider", PointIn(process->Control(OneOf(kSliders))));
        } else if (kind < 600) {
            ++counts["drag of a thumb"];
            const HWND slider = process->Control(OneOf(kSliders));
            const POINT from = ThumbMiddle(slider);
            Drag("drag of a thumb", from, InClientArea(POINT{from.x + Pick(-10, 10), from.y + Pick(-150, 150)}));
        } else if (kind < 650) {
            ++counts["drag anywhere"];
            Drag("drag", AnyPoint(), AnyPoint());
        } else if (kind < 720) {
            ++counts["click on a tool button"];
            Click("click on a tool button", PointIn(process->PanelButton(AllowedToolButton())));
        } else if (kind < 830) {
            Key("key of the key table",
                tableKeys[static_cast<size_t>(Pick(0, static_cast<int>(tableKeys.size()) - 1))]);
        } else if (kind < 900) {
            Key("other key", otherKeys[static_cast<size_t>(Pick(0, static_cast<int>(otherKeys.size()) - 1))]);
        } else if (kind < 950) {
            // A picking mode, the other one now and then started over it by its key, and then
            // ended by Escape, a pick or a pasted colour.
            ++counts["picking mode"];
            const bool zoom = Pick(0, 1) != 0;
            Click("click on a picker", PointIn(process->PanelButton(zoom ? kZoomButton : kPickerButton)));
            if (Pick(0, 2) == 0)
                Key("the other picker's key", zoom ? 'P' : 'Z');
            const int end = Pick(0, 2);
            if (end == 0)
                Key("Escape in a picking mode", VK_ESCAPE);
            else if (end == 1)
                Click("pick", AnyPoint());
            else
                Paste();
        } else if (kind < 960) {
            Paste();
        } else if (kind < 975) {
            problem = ColorDialog();
        } else if (kind < 990) {
            problem = OptionsDialog();
        } else {
            problem = AboutDialog();
        }
        // Paces the input to the program: it has handled what came before this answer.
        DWORD_PTR answer;
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &answer);
        return problem.empty() ? PickingDisagreement() : problem;
    }

    static std::string Describe(HWND window) {
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return "\"" + Narrow(TextOf(window)) + "\" of class " + Narrow(className) + " in process " +
               std::to_string(owner);
    }

    // In front and active again, as after a dialog has gone: a click then reaches it.
    bool MainIsActive() const {
        return WaitFor(
            [&] {
                GUITHREADINFO info{sizeof(info)};
                return GetForegroundWindow() == main && GetGUIThreadInfo(process->UiThread(), &info) &&
                       info.hwndActive == main;
            },
            kEffectTimeoutMs);
    }

    // ---- The dialogs ------------------------------------------------------------------------

    // One click on the tool button, then the dialog it opens, in front.
    HWND Open(const std::string& what, int buttonId, const std::wstring& caption, std::string* problem) {
        if (!MainIsActive()) {
            *problem = "the main window is not active before " + what + "; in front: " + Describe(GetForegroundWindow());
            return nullptr;
        }
        // A click or a key just given may still start a picking mode, and then the click on
        // the tool button would be its pick. Escape, handled in turn after them, ends any mode,
        // as a person would end it first.
        Key("Escape before a dialog", VK_ESCAPE);
        ClickButton(what, process->PanelButton(buttonId));
        HWND dialog = nullptr;
        if (!WaitFor([&] { return (dialog = OwnedWindow(main, caption)) != nullptr; }, kEffectTimeoutMs)) {
            *problem = "one click on its tool button did not open \"" + Narrow(caption) + "\"";
            return nullptr;
        }
        dialogsOpened.insert(buttonId);
        if (!WaitFor([&] { return GetForegroundWindow() == dialog; }, kEffectTimeoutMs)) {
            *problem = "\"" + Narrow(caption) + "\" did not come to the front; in front: " +
                       Describe(GetForegroundWindow());
            return nullptr;
        }
        return dialog;
    }
    // The dialog has gone from the screen (the main window may still wait for the next one).
    std::string Closed(HWND dialog, const std::string& how) const {
        if (!WaitFor([&] { return !IsWindowVisible(dialog); }, kEffectTimeoutMs))
            return how + " did not close the dialog";
        return {};
    }
    // The settings as stored now, by the names the last clean close stored.
    Settings StoredNow() const {
        Settings now;
        for (const auto& entry : saved)
            now[entry.first] = ReadSetting(entry.first.c_str());
        return now;
    }
    // After a dialog: the colour that was chosen, and the stored settings as the last clean
    // close left them, since nothing is written while the program runs.
    std::string Agrees(ColorRef color) const {
        if (!WaitFor([&] { return IsWindowEnabled(main) != FALSE; }, kEffectTimeoutMs) || !MainIsActive())
            return "the main window takes no input after the dialog; in front: " + Describe(GetForegroundWindow());
        std::string problem;
        WaitFor(
            [&] {
                const ColorRef sliders = SliderColor();
                problem = sliders == color ? FaceProblem()
                                           : "the sliders show " + RgbText(sliders) + ", expected " + RgbText(color);
                return problem.empty();
            },
            kSettleTimeoutMs);
        if (!problem.empty())
            return problem;
        if (const std::string wrong = Difference(StoredNow(), saved); !wrong.empty())
            return "the stored settings changed while the program ran: " + wrong;
        return {};
    }

    std::string ColorDialog() {
        std::string problem;
        const HWND dialog = Open("colour dialog: open", kColorDialogButton, L"Color Dialog", &problem);
        if (!dialog)
            return problem;
        ColorRef expected = SliderColor();
        const HWND palette = GetDlgItem(dialog, kPalette);
        switch (Pick(0, 3)) {
        case 0: {
            // Where the buttons lie over the palette's lowest rows, they take the click.
            RECT shown{};
            GetClientRect(palette, &shown);
            POINT point{};
            do
                point = POINT{Pick(0, shown.right - 1), Pick(0, shown.bottom - 1)};
            while (WindowFromPoint(ScreenOf(palette, point)) != palette);
            // The palette's colour is the picture's pixel under the mouse, lines included.
            expected = ToColorRef(palettePixels[static_cast<size_t>(
                NearestSource(point.y, kPaletteHeight, shown.bottom) * kPaletteWidth +
                NearestSource(point.x, kPaletteWidth, shown.right))]);
            Count("colour dialog: click on the palette");
            lastClick = ScreenOf(palette, point);
            TapAt(lastClick);
            problem = Closed(dialog, "a click on the palette");
            break;
        }
        case 1:
            ClickButton("colour dialog: Cancel", GetDlgItem(dialog, IDCANCEL));
            problem = Closed(dialog, "Cancel");
            break;
        case 2:
            problem = KeyIn(dialog, "colour dialog: Escape", VK_ESCAPE);
            if (problem.empty())
                problem = Closed(dialog, "Escape");
            break;
        default:
            ClickButton("colour dialog: More colors", GetDlgItem(dialog, kMoreColors));
            problem = Closed(dialog, "More colors");
            if (problem.empty())
                problem = SystemColorDialog(&expected);
            break;
        }
        return problem.empty() ? Agrees(expected) : problem;
    }

    // The two top rows of a cell, where a focus frame shows.
    static std::vector<COLORREF> TopEdge(HWND window, const RECT& cell) {
        std::vector<COLORREF> pixels;
        for (int y = cell.top; y < cell.top + 2; ++y)
            for (int x = cell.left; x < cell.right; ++x)
                pixels.push_back(ScreenPixel(window, x, y));
        return pixels;
    }

    // A few basic colours clicked, then OK, Cancel or Escape.
    std::string SystemColorDialog(ColorRef* expected) {
        HWND system = nullptr;
        if (!WaitFor([&] { return (system = OwnedWindow(main, L"Color")) != nullptr; }, kEffectTimeoutMs))
            return "More colors did not open the system colour dialog";
        dialogsOpened.insert(kMoreColors);
        if (!WaitFor([&] { return GetForegroundWindow() == system; }, kEffectTimeoutMs))
            return "the system colour dialog did not come to the front";
        // Its colours are painted some time after it shows; this paints them before the screen is read.
        RedrawWindow(system, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const HWND basics = GetDlgItem(system, kBasicColors);
        RECT area;
        GetClientRect(basics, &area);
        ColorRef chosen{}; // the dialog starts with black
        int lastCell = -1;
        for (int clicks = Pick(0, 2); clicks > 0; --clicks) {
            const int cell = Pick(0, kBasicColumns * kBasicRows - 1);
            const int column = cell % kBasicColumns, row = cell / kBasicColumns;
            const RECT rect{area.right * column / kBasicColumns, area.bottom * row / kBasicRows,
                            area.right * (column + 1) / kBasicColumns, area.bottom * (row + 1) / kBasicRows};
            const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            const COLORREF color = ScreenPixel(basics, middle.x, middle.y);
            // A cell already chosen shows no change; black is the one chosen at the start.
            if (cell == lastCell || color == 0)
                continue;
            const std::vector<COLORREF> edge = TopEdge(basics, rect);
            Count("system colour dialog: click on a basic colour");
            lastClick = ScreenOf(basics, middle);
            TapAt(lastClick);
            // The choice draws a focus frame round the cell.
            if (!WaitFor([&] { return TopEdge(basics, rect) != edge; }, kEffectTimeoutMs))
                return "a click on a basic colour of the system colour dialog did not choose it";
            chosen = win::ToColorRef(color);
            lastCell = cell;
        }
        switch (Pick(0, 2)) {
        case 0:
            ClickButton("system colour dialog: OK", GetDlgItem(system, IDOK));
            *expected = chosen;
            return Closed(system, "OK in the system colour dialog");
        case 1:
            ClickButton("system colour dialog: Cancel", GetDlgItem(system, IDCANCEL));
            return Closed(system, "Cancel in the system colour dialog");
        default:
            if (std::string problem = KeyIn(system, "system colour dialog: Escape", VK_ESCAPE); !problem.empty())
                return problem;
            return Closed(system, "Escape in the system colour dialog");
        }
    }

    // The dialog shows the values the program holds, as it opens.
    std::string OptionsShowChoices(HWND dialog) const {
        const HWND box = GetDlgItem(dialog, kPaneCountBox);
        const int listed = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
        const int panes = listed >= 0 && listed < static_cast<int>(std::size(kPaneChoices)) ? kPaneChoices[listed] : -1;
        if (panes != choices.panes)
            return "the options dialog opens with " + std::to_string(panes) + " panes, the program has " +
                   std::to_string(choices.panes);
        if (IsChecked(dialog, kGridBox) != choices.grid)
            return "the options dialog opens with the grid box not as the program has it";
        if (IsChecked(dialog, kAutostartBox) != choices.autostart)
            return "the options dialog opens with the start-with-Windows box not as the program has it";
        if (!IsChecked(dialog, kThemeButtons[choices.theme - 1]))
            return "the options dialog opens without theme " + std::to_string(choices.theme) + " checked";
        if (!IsChecked(dialog, choices.russian ? kRussian : kEnglish))
            return "the options dialog opens with the other language checked";
        return {};
    }

    std::string OptionsDialog() {
        std::string problem;
        const bool russianBefore = choices.russian;
        const HWND dialog =
            Open("options: open", kOptionsButton, russianBefore ? L"Опции Программы" : L"Options", &problem);
        if (!dialog)
            return problem;
        if (problem = OptionsShowChoices(dialog); !problem.empty())
            return problem;
        Choices inDialog = choices;
        for (int left = Pick(0, 4); left > 0 && problem.empty(); --left)
            problem = OneOptionsInput(dialog, &inDialog);
        if (!problem.empty())
            return problem;
        const int closing = Pick(0, 3);
        if (closing == 0) {
            ClickButton("options: Apply", GetDlgItem(dialog, IDOK));
        } else if (closing == 1) {
            problem = KeyIn(dialog, "options: Enter", VK_RETURN);
        } else if (closing == 2) {
            ClickButton("options: Cancel", GetDlgItem(dialog, IDCANCEL));
        } else {
            problem = KeyIn(dialog, "options: Escape", VK_ESCAPE);
        }
        if (problem.empty())
            problem = Closed(dialog, closing < 2 ? "Apply" : "Cancel");
        if (!problem.empty())
            return problem;
        // The language changes at the click, whether the dialog is confirmed or not.
        const bool confirmed = closing < 2;
        // A new pane count makes pane 0 active with the colour it had, and leaves the current
        // colour as it was: the two may differ until the colour next changes.
        if (confirmed && inDialog.panes != choices.panes)
            colourKeptApart = SliderColor();
        if (confirmed)
            choices = inDialog;
        choices.russian = inDialog.russian;
        if (confirmed && choices.russian != russianBefore) {
            if (problem = RestartNote(russianBefore); !problem.empty())
                return problem;
        } else {
            // Once the main window answers again, a note would be showing.
            DWORD_PTR answer;
            SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kEffectTimeoutMs, &answer);
            if (OwnedWindow(main, L"Tintra"))
                return "a restart note shows although the language did not change";
        }
        return Agrees(SliderColor());
    }

    // The note in the language in force before the change, closed with its button.
    std::string RestartNote(bool russianBefore) {
        HWND note = nullptr;
        if (!WaitFor([&] { return (note = OwnedWindow(main, L"Tintra")) != nullptr; }, kEffectTimeoutMs))
            return "a change of language brought no restart note";
        if (!HasChildWithText(note, russianBefore ? kRussianNote : kEnglishNote))
            return "the restart note is not in the language in force before the change";
        WaitFor([&] { return GetForegroundWindow() == note; }, kEffectTimeoutMs);
        ClickButton("options: the restart note's OK", GetDlgItem(note, IDOK));
        return Closed(note, "OK on the restart note");
    }

    // One of the dialog's controls used once, and its effect awaited.
    std::string OneOptionsInput(HWND dialog, Choices* inDialog) {
        switch (Pick(0, 5)) {
        case 0: {
            const bool was = IsChecked(dialog, kGridBox);
            ClickButton("options: the grid box", GetDlgItem(dialog, kGridBox));
            inDialog->grid = !was;
            if (!WaitFor([&] { return IsChecked(dialog, kGridBox) != was; }, kEffectTimeoutMs))
                return "one click on the grid box did not change it";
            return {};
        }
        case 1: {
            const bool was = IsChecked(dialog, kAutostartBox);
            ClickButton("options: the start-with-Windows box", GetDlgItem(dialog, kAutostartBox));
            inDialog->autostart = !was;
            if (!WaitFor([&] { return IsChecked(dialog, kAutostartBox) != was; }, kEffectTimeoutMs))
                return "one click on the start-with-Windows box did not change it";
            return {};
        }
        case 2: {
            const int theme = Pick(1, kThemeCount);
            ClickButton("options: a theme button", GetDlgItem(dialog, kThemeButtons[theme - 1]));
            inDialog->theme = theme;
            if (!WaitFor([&] { return IsChecked(dialog, kThemeButtons[theme - 1]); }, kEffectTimeoutMs))
                return "one click on the button of theme " + std::to_string(theme) + " did not check it";
            return {};
        }
        case 3: {
            const bool russian = Pick(0, 1) != 0;
            const int id = russian ? kRussian : kEnglish;
            ClickButton(russian ? "options: Russian" : "options: English", GetDlgItem(dialog, id));
            inDialog->russian = russian;
            if (!WaitFor([&] { return IsChecked(dialog, id); }, kEffectTimeoutMs))
                return "one click on a language button did not check it";
            return {};
        }
        case 4:
            return ChoosePaneCount(dialog, inDialog);
        default:
            ++counts["options: click on the face"];
            Click("options: click on the face", ScreenOf(dialog, POINT{3, 3}));
            return {};
        }
    }

    // The list dropped with one click, an entry chosen with another.
    std::string ChoosePaneCount(HWND dialog, Choices* inDialog) {
        const HWND box = GetDlgItem(dialog, kPaneCountBox);
        ClickButton("options: the pane-count list", box);
        if (!WaitFor([&] { return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == TRUE; }, kEffectTimeoutMs))
            return "one click on the pane-count list did not drop it";
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        SendWithRemoteData(box, CB_GETCOMBOBOXINFO, 0, &info, sizeof(info));
        if (!info.hwndList)
            return "the dropped pane-count list could not be found";
        // An entry the list shows: it may be scrolled to show the chosen one.
        RECT list;
        GetClientRect(info.hwndList, &list);
        const int height = std::max(1, static_cast<int>(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0)));
        const int top = static_cast<int>(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0));
        const int last = std::min(static_cast<int>(std::size(kPaneChoices)), top + static_cast<int>(list.bottom) / height) - 1;
        const int entry = Pick(top, last);
        const POINT screen = ScreenOf(info.hwndList, POINT{list.right / 2, (entry - top) * height + height / 2});
        ++counts["options: an entry of the pane-count list"];
        Click("options: an entry of the pane-count list", screen);
        inDialog->panes = kPaneChoices[entry];
        if (!WaitFor(
                [&] {
                    return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == FALSE &&
                           SendMessageW(box, CB_GETCURSEL, 0, 0) == entry;
                },
                kEffectTimeoutMs))
            return "one click on the entry \"" + std::to_string(kPaneChoices[entry]) +
                   "\" did not choose it and close the list (entry " +
                   std::to_string(SendMessageW(box, CB_GETCURSEL, 0, 0)) + " chosen, the list " +
                   (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) ? "dropped" : "closed") + ", item height " +
                   std::to_string(height) + ", top " + std::to_string(top) + ", under the pointer " +
                   Describe(WindowFromPoint(screen)) + ")";
        return {};
    }

    std::string AboutDialog() {
        std::string problem;
        const HWND dialog =
            Open("about: open", kAboutButton, choices.russian ? L"О программе" : L"About", &problem);
        if (!dialog)
            return problem;
        const ColorRef color = SliderColor();
        // The link is clicked once at most: a second click so soon after would be a double click.
        bool linkClicked = false;
        for (int left = Pick(0, 2); left > 0; --left) {
            if (linkClicked || Pick(0, 1)) {
                ++counts["about: click on the face"];
                Click("about: click on the face",
                      ScreenOf(dialog, POINT{ScaleToDpi(Pick(2, 60), dpi), ScaleToDpi(Pick(2, 40), dpi)}));
                continue;
            }
            ++counts["about: click on the link"];
            Click("about: click on the link", MiddleOf(GetDlgItem(dialog, kLink)));
            linkClicked = true;
            if (!browser.WaitForStart())
                return "one click on the link did not start the browser";
        }
        switch (Pick(0, 2)) {
        case 0:
            ClickButton("about: Ok", GetDlgItem(dialog, IDOK));
            problem = Closed(dialog, "Ok");
            break;
        case 1:
            problem = KeyIn(dialog, "about: Escape", VK_ESCAPE);
            if (problem.empty())
                problem = Closed(dialog, "Escape");
            break;
        default:
            problem = KeyIn(dialog, "about: Enter", VK_RETURN);
            if (problem.empty())
                problem = Closed(dialog, "Enter");
            break;
        }
        if (!problem.empty())
            return problem;
        if (browser.StartedMeanwhile())
            return "the browser started without a click on the link";
        return Agrees(color);
    }

    // ---- Checks -----------------------------------------------------------------------------

    bool RowsShow(ColorRef color) const {
        for (int notation = 0; notation < kNotationCount; ++notation)
            if (process->InfoText(kValueTexts[notation]) != NotationText(static_cast<ColorNotation>(notation), color))
                return false;
        return true;
    }
    int MarksSet() const {
        int set = 0;
        for (int mark : kMarks)
            set += process->MarkIsSet(mark);
        return set;
    }
    // Panes whose frame shows the active colour, and the colour inside the last of them.
    // A single pane fills the display, whose own frame covers the pane's.
    int ActivePanes(ColorRef* inside) const {
        const HWND display = process->Control(kColorDisplay);
        const std::vector<PixelRect> panes = Panes();
        int active = 0;
        for (const PixelRect& pane : panes) {
            const POINT middle = Middle(pane);
            if (panes.size() > 1 && ScreenPixel(display, pane.left, middle.y) != kActiveFrame)
                continue;
            ++active;
            *inside = win::ToColorRef(ScreenPixel(display, middle.x, middle.y));
        }
        return active;
    }

    // The empty text when everything holds, otherwise what is wrong.
    std::string BrokenInvariant() {
        DWORD_PTR answer;
        if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer))
            return "the main window did not answer within a second";
        // Escape ends every picking mode: the program lets the mouse go.
        if (!WaitFor([&] { return GetForegroundWindow() == main; }, kEffectTimeoutMs))
            return "the main window is not in front";
        Key("Escape to end any picking mode", VK_ESCAPE);
        if (!WaitFor([&] { return CaptureOf(process->UiThread()) == nullptr; }, kEffectTimeoutMs))
            return "a picking mode is still waiting after Escape";
        // The pointer rests off the window, so no tip covers what is read from the screen.
        MoveMouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 20, GetSystemMetrics(SM_CYSCREEN) - 20});
        // The program may still be handling the last input, so the whole picture is read
        // again until it holds together or the time is up.
        std::string problem;
        WaitFor([&] { return (problem = ConsistencyProblem()).empty(); }, kSettleTimeoutMs);
        if (colourKeptApart != SliderColor())
            colourKeptApart.reset();
        return problem;
    }

    // The picking modes as seen from outside, after every input: the main window holds the mouse
    // exactly while a picker waits, that is while the picker's button is down, or the zoom
    // button with no magnified view; the view shows only while the zoom button is down and the
    // picker's up; the system cursors are replaced (the marker names the process) exactly while
    // the mouse is held. The program may still be taking the input in, so it is read again until
    // it agrees or the time is up.
    std::string PickingDisagreement() const {
        std::string state;
        const bool agree = WaitFor(
            [&] {
                const bool picker = pickers->picker.State() & STATE_SYSTEM_PRESSED;
                const bool zoom = pickers->zoom.State() & STATE_SYSTEM_PRESSED;
                const bool view = pickers->display.Role() == ROLE_SYSTEM_GRAPHIC;
                const bool held = CaptureOf(process->UiThread()) == main;
                const bool replaced = ReadSetting(kCursorMarker) == static_cast<long long>(GetProcessId(process->Handle()));
                state = std::string("picker button ") + (picker ? "down" : "up") + ", zoom button " +
                        (zoom ? "down" : "up") + ", view " + (view ? "shown" : "not shown") + ", mouse " +
                        (held ? "held" : "free") + ", cursors " + (replaced ? "replaced" : "the user's");
                return held == (picker || (zoom && !view)) && !(view && (!zoom || picker)) && replaced == held;
            },
            kSettleTimeoutMs);
        return agree ? std::string() : "the picking modes disagree: " + state;
    }

    // The sliders, the five rows and the active pane must show one colour; one mark, one pane.
    std::string ConsistencyProblem() const {
        const ColorRef color = SliderColor();
        if (!RowsShow(color))
            return "the rows (RGB " + Narrow(process->InfoText(kValueTexts[1])) + ") differ from the sliders (" +
                   RgbText(color) + ")";
        if (const int marks = MarksSet(); marks != 1)
            return std::to_string(marks) + " notation marks are set";
        ColorRef inside{};
        if (const int active = ActivePanes(&inside); active != 1)
            return std::to_string(active) + " of " + std::to_string(choices.panes) + " panes are active";
        if (inside != color && color != colourKeptApart)
            return "the active pane shows " + RgbText(inside) + ", the sliders " + RgbText(color);
        return {};
    }

    // Takes the figures of a settled program; past its first inputs, they must not grow
    // beyond the bounds.
    std::string WatchMemory() {
        latest = ProcessFigures::Of(process->Handle());
        if (processInputs >= warmInputs && dialogsOpened.size() == kDialogKinds && warm.committedBytes == 0) {
            warm = latest;
            std::printf("soak: process %d after %d inputs: %s\n", processes, processInputs, warm.Text().c_str());
        }
        return {};
    }
    std::string EndOfProcessMemory() {
        if (warm.committedBytes == 0) {
            std::printf("soak: process %d not measured: it ended after %d inputs, %zu of the %zu dialogs opened\n",
                        processes, processInputs, dialogsOpened.size(), kDialogKinds);
            return {};
        }
        const long long committed =
            static_cast<long long>(latest.committedBytes) - static_cast<long long>(warm.committedBytes);
        const long gdi = latest.gdiObjects - warm.gdiObjects;
        std::printf("soak: process %d at its end, after %d inputs: %s; growth: committed %+lld KB, GDI objects %+ld\n",
                    processes, processInputs, latest.Text().c_str(), committed / 1024, gdi);
        ++measuredProcesses;
        largestCommittedGrowth = std::max(largestCommittedGrowth, committed);
        largestGdiGrowth = std::max(largestGdiGrowth, gdi);
        if (committed > static_cast<long long>(kCommittedGrowthBound))
            return "the committed memory grew by " + std::to_string(committed / 1024) + " KB, more than " +
                   std::to_string(kCommittedGrowthBound / 1024) + " KB";
        if (gdi > kGdiGrowthBound)
            return "the GDI objects grew by " + std::to_string(gdi) + ", more than " + std::to_string(kGdiGrowthBound);
        return {};
    }

    static std::string RgbText(ColorRef color) { return Narrow(NotationText(ColorNotation::Rgb, color)); }

    unsigned seed;
    int inputs;
    std::mt19937 random;
    std::vector<WORD> tableKeys;
    std::vector<WORD> otherKeys;
    std::vector<Argb> palettePixels = RenderPalette();
    const int dpi = ScreenDpi();
    StandInBrowser browser;
    std::unique_ptr<TintraProcess> process;
    // What a screen reader learns of the two picker buttons and the display.
    struct PickerReaders {
        explicit PickerReaders(const TintraProcess& tintra)
            : picker(tintra.PanelButton(kPickerButton)), zoom(tintra.PanelButton(kZoomButton)),
              display(tintra.Control(kColorDisplay)) {}
        AccessibleReader picker, zoom, display;
    };
    std::unique_ptr<PickerReaders> pickers;
    HWND main = nullptr;
    Choices choices;
    Settings saved;
    std::deque<std::string> recent;
    std::map<std::string, int> counts;
    std::vector<int> endings;
    int lifeInputs;
    int warmInputs;
    int lifeQuota = 0;
    int processInputs = 0;
    int processes = 0;
    int given = 0;
    ProcessFigures warm, latest;
    std::set<int> dialogsOpened; // by the button that opens each
    POINT lastClick{-100, -100};
    // The current colour when a new pane count left the active pane with a colour of its own.
    std::optional<ColorRef> colourKeptApart;
    int measuredProcesses = 0;
    long long largestCommittedGrowth = 0;
    long largestGdiGrowth = 0;
};

const Soak* running = nullptr;

// A fault in the driver itself still names the seed and the inputs that led to it.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    if (running) {
        char what[64];
        std::snprintf(what, sizeof(what), "the soak driver crashed (exception 0x%08lX)",
                      exception->ExceptionRecord->ExceptionCode);
        running->Fail(running->Given(), what);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    int inputs = 10000;
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--inputs")
            inputs = std::wcstol(argv[i + 1], nullptr, 10);
        else if (option == L"--seed")
            seed = static_cast<unsigned>(std::wcstoul(argv[i + 1], nullptr, 10));
    }
    // Physical pixels, as the program reads and draws them: an unaware process would be handed
    // coordinates scaled to 96 DPI.
    SetProcessDPIAware();
    // Unbuffered, so that nothing printed is lost whichever way the run ends.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("soak: %d inputs, seed %u, %d DPI\n", inputs, seed, ScreenDpi());
    Soak soak(seed, inputs);
    running = &soak;
    SetUnhandledExceptionFilter(ReportCrash);
    return soak.Run();
}
