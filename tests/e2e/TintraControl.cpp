// Starts Tintra and takes pictures of it, or checks that a copy of it starts.
//   tintra_control screenshot OUT.bmp              the main window as it is on the screen
//   tintra_control help-picture en|ru OUT.bmp PARTS.txt
//       the main window with colours in its panes, and where its parts lie in the picture
//   tintra_control zoom-picture OUT.bmp            the magnified view the zoomed picker shows
//   tintra_control reference-pictures en|ru DIR   the client areas of the main window (theme 4,
//       four panes of fixed colours, HEX marked) and of its three dialogs, as main.bmp,
//       color-dialog.bmp, options.bmp and about.bmp, the second pane's tip as pane-tip.bmp, and
//       the loupe over a known pattern while the colour picker waits, as loupe.bmp
//   tintra_control start PATH                      starts that Tintra.exe and closes it again
//   tintra_control keep-running PATH SECONDS READY
//       starts that Tintra.exe, writes the file READY once its window shows, and waits up to
//       SECONDS for someone else to close it; succeeds when it ended as closed through its window
//   tintra_control version PATH                    prints the file version of PATH
//   tintra_control idle SECONDS                    prints the processor time it uses, left alone
#include "../../res/resource.h"
#include "../../src/logic/KeyCommands.h"
#include "../../src/win/PrivateMessages.h"
#include "../../src/logic/PaneLayout.h"
#include "Driver.h"
#include "PatternWindow.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoMagnifiedView = 3;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<char> pixels; // bottom-up 24-bit rows, as a BMP file holds them

    bool operator==(const Picture& other) const {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};

Picture TakeScreenPicture(const RECT& rect) {
    Picture picture;
    picture.width = rect.right - rect.left;
    picture.height = rect.bottom - rect.top;
    const win::WindowDc screen(nullptr);
    const win::MemoryDc memory(CreateCompatibleDC(screen.get()));
    const win::BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), picture.width, picture.height));
    {
        const win::SelectScope selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(), rect.left, rect.top, SRCCOPY);
    }
    BITMAPINFOHEADER header{sizeof(header), picture.width, picture.height, 1, 24, BI_RGB};
    const int stride = (picture.width * 3 + 3) & ~3;
    picture.pixels.resize(static_cast<size_t>(stride) * picture.height);
    GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(picture.height), picture.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    return picture;
}

bool SavePicture(const Picture& picture, const wchar_t* path) {
    BITMAPINFOHEADER header{sizeof(header), picture.width, picture.height, 1, 24, BI_RGB};
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(picture.pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(picture.pixels.data(), static_cast<std::streamsize>(picture.pixels.size()));
    return static_cast<bool>(out);
}

RECT ScreenRect(HWND window) {
    return win::ToRECT(win::ScreenRect(window));
}

// Once the program answers a message after painting everything anew, the screen shows it.
void SettlePainting(HWND mainWindow) {
    RedrawWindow(mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DWORD_PTR answer;
    SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
}

// Whether the program's main window appeared; says so when it did not.
bool Appeared(bool started) {
    if (!started)
        std::fprintf(stderr, "Tintra's main window did not appear\n");
    return started;
}

int Finish(e2e::TintraProcess& tintra, bool done) {
    const long long exitCode = tintra.CloseAndWait();
    return done && exitCode == 0 ? 0 : kExitFailed;
}

int Screenshot(const wchar_t* out) {
    e2e::TintraProcess tintra;
    if (!Appeared(tintra.Start()))
        return kExitFailed;
    SettlePainting(tintra.MainWindow());
    const bool saved = SavePicture(TakeScreenPicture(ScreenRect(tintra.MainWindow())), out);
    if (!saved)
        std::fprintf(stderr, "could not write the screenshot\n");
    return Finish(tintra, saved);
}

// The first is the example colour of the help's notation table and is left current.
constexpr ColorRef kDemoPanes[] = {MakeColorRef(200, 100, 50), MakeColorRef(0, 128, 255),
                                   MakeColorRef(255, 200, 0), MakeColorRef(120, 60, 160)};
constexpr int kDemoPaneCount = 4;

std::wstring RgbText(ColorRef color) {
    return NotationText(ColorNotation::Rgb, color);
}

// The program's own messages, posted as its display and sliders post them, so that every
// picture shows the same state however the desktop's input behaves.
bool SelectPane(const e2e::TintraProcess& tintra, const PixelRect& pane, const std::wstring& expectedRgb) {
    const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
    const LPARAM at = MAKELPARAM((pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2);
    PostMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(display, WM_LBUTTONUP, 0, at);
    return e2e::WaitFor([&] {
        return e2e::ScreenPixel(display, pane.left, pane.top + 5) == e2e::kActivePaneFrame &&
               tintra.InfoText(IDC_VALUE_RGB) == expectedRgb;
    });
}

bool SetSliders(const e2e::TintraProcess& tintra, ColorRef color) {
    const int ids[] = {IDC_SLIDER_RED, IDC_SLIDER_GREEN, IDC_SLIDER_BLUE};
    const int values[] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (int i = 0; i < 3; ++i)
        SendMessageW(tintra.Control(ids[i]), TBM_SETPOS, TRUE, values[i]);
    PostMessageW(tintra.MainWindow(), WM_SLIDER_MOVED, IDC_SLIDER_RED, 0);
    return e2e::WaitFor([&] { return tintra.InfoText(IDC_VALUE_RGB) == RgbText(color); });
}

// Four coloured panes with the first active, HEX marked, red and blue locked.
bool ShowDemoState(const e2e::TintraProcess& tintra) {
    const PixelRect display = win::ClientRect(tintra.Control(IDC_COLOR_DISPLAY));
    const std::vector<PixelRect> panes = LayoutPanes(kDemoPaneCount, display.right, display.bottom);
    if (panes.size() != kDemoPaneCount || !SetSliders(tintra, kDemoPanes[0]))
        return false;
    for (int i = 1; i < kDemoPaneCount; ++i)
        if (!SelectPane(tintra, panes[static_cast<size_t>(i)], L"0, 0, 0") ||
            !SetSliders(tintra, kDemoPanes[i]))
            return false;
    if (!SelectPane(tintra, panes[0], RgbText(kDemoPanes[0])))
        return false;
    for (const WPARAM key : {WPARAM{'1'}, WPARAM{'3'}, WPARAM{'H'}})
        PostMessageW(tintra.MainWindow(), WM_PANE_KEYDOWN, key, 0);
    return e2e::WaitFor([&] { return tintra.MarkIsSet(IDC_CHECK_HEX); });
}

bool StartInLanguage(e2e::TintraProcess& tintra, bool russian) {
    e2e::ClearSettings();
    e2e::StoreSetting(L"language", russian ? 1 : 0);
    return tintra.Start();
}

// One line per part: its name and its rectangle (left top right bottom) in the picture.
bool WriteParts(const e2e::TintraProcess& tintra, const wchar_t* path) {
    const RECT window = ScreenRect(tintra.MainWindow());
    std::ofstream out(path, std::ios::binary);
    auto part = [&](const char* name, RECT rect) {
        out << name << ' ' << rect.left - window.left << ' ' << rect.top - window.top << ' '
            << rect.right - window.left << ' ' << rect.bottom - window.top << '\n';
    };
    auto span = [&](int firstId, int lastId) {
        RECT all = ScreenRect(tintra.Control(firstId));
        for (int id = firstId + 1; id <= lastId; ++id) {
            const RECT next = ScreenRect(tintra.Control(id));
            UnionRect(&all, &all, &next);
        }
        return all;
    };
    part("panes", ScreenRect(tintra.Control(IDC_COLOR_DISPLAY)));
    part("locks", span(IDC_LOCK_RED, IDC_LOCK_BLUE));
    part("sliders", span(IDC_SLIDER_RED, IDC_LABEL_BLUE));
    part("info", ScreenRect(tintra.InfoPanel()));
    part("tools", ScreenRect(tintra.Control(IDC_TOOL_PANEL)));
    for (int id = IDC_BUTTON_COLOR_DIALOG; id <= IDC_BUTTON_TOPMOST; ++id)
        part(("button" + std::to_string(id - IDC_BUTTON_COLOR_DIALOG + 1)).c_str(),
             ScreenRect(tintra.PanelButton(id)));
    return static_cast<bool>(out);
}

int HelpPicture(const std::wstring& language, const wchar_t* out, const wchar_t* parts) {
    e2e::TintraProcess tintra;
    if (!Appeared(StartInLanguage(tintra, language == L"ru")))
        return kExitFailed;
    const bool shown = ShowDemoState(tintra);
    if (!shown)
        std::fprintf(stderr, "Tintra did not take the demonstration colours\n");
    SettlePainting(tintra.MainWindow());
    const bool saved = shown && SavePicture(TakeScreenPicture(ScreenRect(tintra.MainWindow())), out) &&
                       WriteParts(tintra, parts);
    return Finish(tintra, saved);
}

// The zoomed picker pointed at the middle of the panes, where four colours and their frames meet.
int ZoomPicture(const wchar_t* out) {
    e2e::TintraProcess tintra;
    if (!StartInLanguage(tintra, false) || !ShowDemoState(tintra))
        return kExitFailed;
    const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
    SettlePainting(tintra.MainWindow());
    const Picture panes = TakeScreenPicture(ScreenRect(display));
    const HWND zoomButton = tintra.PanelButton(IDC_BUTTON_ZOOM);
    e2e::ClickControl(zoomButton, 14, 10);
    // The area is chosen by the click after the mode has taken the mouse.
    e2e::WaitFor([&] { return tintra.HoldsMouse(); });
    const RECT area = ScreenRect(display);
    e2e::ClickAt(POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    const bool magnified =
        e2e::WaitFor([&] { return !(TakeScreenPicture(ScreenRect(display)) == panes); }, 3000);
    if (!magnified) {
        e2e::PressKey(VK_ESCAPE);
        Finish(tintra, true);
        std::fprintf(stderr, "this Tintra shows no magnified view\n");
        return kExitNoMagnifiedView;
    }
    SettlePainting(tintra.MainWindow());
    const bool saved = SavePicture(TakeScreenPicture(ScreenRect(display)), out);
    return Finish(tintra, saved);
}

RECT ClientOnScreen(HWND window) {
    RECT rect = win::ToRECT(win::ClientRect(window));
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// That part of the screen once two pictures of it in a row agree.
bool SaveSteadyPicture(const RECT& onScreen, const std::wstring& path) {
    Picture taken;
    const bool steady = e2e::WaitFor([&] {
        const Picture next = TakeScreenPicture(onScreen);
        const bool same = next == taken;
        taken = next;
        return same;
    });
    return steady && SavePicture(taken, path.c_str());
}

// The client area once it has been painted anew.
bool SaveClientPicture(HWND window, HWND mainWindow, const std::wstring& path) {
    SettlePainting(window);
    SettlePainting(mainWindow);
    return SaveSteadyPicture(ClientOnScreen(window), path);
}

// The tip of the second pane, with its lines of colour and contrast, once the pointer resting on
// the pane has brought it up.
bool SavePaneTipPicture(const e2e::TintraProcess& tintra, const std::wstring& path) {
    const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
    const PixelRect client = win::ClientRect(display);
    const PixelRect pane = LayoutPanes(kDemoPaneCount, client.right, client.bottom, e2e::ScreenDpi())[1];
    if (!e2e::RestPointerAt(
            e2e::OnScreen(display, (pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2)))
        return false;
    HWND tip = nullptr;
    const bool shown = e2e::WaitFor(
        [&] { return (tip = e2e::ShownWindow(TOOLTIPS_CLASSW, tintra.UiThread())) != nullptr; }, 8000);
    // Shown is not yet painted: its margin comes to show the tips' background first.
    const bool painted =
        shown && e2e::WaitFor([&] { return e2e::ScreenPixel(tip, 1, 1) == GetSysColor(COLOR_INFOBK); });
    return painted && SaveSteadyPicture(ScreenRect(tip), path);
}

// The three dialogs are opened by the commands their tool buttons post, and closed as the
// caption's close box closes them, so that the pictures never wait on the desktop's input.
bool SaveDialogPicture(const e2e::TintraProcess& tintra, int command, const std::wstring& path) {
    PostMessageW(tintra.MainWindow(), WM_PANEL_COMMAND, static_cast<WPARAM>(command), 0);
    HWND dialog = nullptr;
    if (!e2e::WaitFor([&] { return (dialog = e2e::OwnedWindow(tintra.MainWindow())) != nullptr; })) {
        std::fprintf(stderr, "the dialog did not open\n");
        return false;
    }
    const bool saved = SaveClientPicture(dialog, tintra.MainWindow(), path);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    // The owner is enabled again a moment before the dialog is hidden.
    const bool closed = e2e::WaitFor(
        [&] { return !IsWindowVisible(dialog) && IsWindowEnabled(tintra.MainWindow()) != FALSE; });
    if (!closed)
        std::fprintf(stderr, "the dialog did not close\n");
    return closed && saved;
}

// The pointer put on a pattern at a fixed place and the picker started by its key, posted as the
// dialogs' commands are; Escape ends it again.
bool SaveLoupePicture(const e2e::TintraProcess& tintra, const std::wstring& path) {
    constexpr POINT kPatternPlace{600, 300};
    e2e::PatternWindow pattern;
    if (!pattern.Show(kPatternPlace))
        return false;
    // Moved as a hand moves it, resting there: a pointer put by SetCursorPos may be reported back
    // at its earlier place for a while, which is where the pane's tip left it.
    if (!e2e::RestPointerAt(pattern.ScreenPointOf(32, 24)))
        return false;
    PostMessageW(tintra.MainWindow(), WM_KEYDOWN, 'P', 0);
    HWND loupe = nullptr;
    if (!e2e::WaitFor([&] { return (loupe = e2e::ShownLoupe(tintra.MainWindow())) != nullptr; })) {
        std::fprintf(stderr, "the loupe did not show\n");
        return false;
    }
    const bool saved = SaveClientPicture(loupe, tintra.MainWindow(), path);
    PostMessageW(tintra.MainWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    return e2e::WaitFor([&] { return !e2e::ShownLoupe(tintra.MainWindow()); }) && saved;
}

// The settings say it all: nothing is clicked before the pictures are taken.
int ReferencePictures(const std::wstring& language, const std::wstring& folder) {
    e2e::ClearSettings();
    e2e::StoreSetting(L"language", language == L"ru" ? 1 : 0);
    e2e::StoreSetting(L"theme", 4);
    e2e::StoreSetting(L"panes", 4);
    e2e::StoreSetting(L"active_pane", 0);
    e2e::StoreSetting(L"format", 2); // HEX
    e2e::StoreSetting(L"color", static_cast<DWORD>(kDemoPanes[0]));
    for (int i = 0; i < kDemoPaneCount; ++i)
        e2e::StoreSetting((L"color" + std::to_wstring(i + 1)).c_str(), static_cast<DWORD>(kDemoPanes[i]));
    e2e::TintraProcess tintra;
    if (!Appeared(tintra.Start()))
        return kExitFailed;
    bool saved = e2e::WaitFor([&] { return tintra.MarkIsSet(IDC_CHECK_HEX); }) &&
                 SaveClientPicture(tintra.MainWindow(), tintra.MainWindow(), folder + L"\\main.bmp");
    if (!saved)
        std::fprintf(stderr, "the main window's picture could not be taken\n");
    if (saved && !SavePaneTipPicture(tintra, folder + L"\\pane-tip.bmp")) {
        std::fprintf(stderr, "the pane's tip could not be taken\n");
        saved = false;
    }
    const std::pair<int, const wchar_t*> dialogs[] = {{kCommandColorDialog, L"color-dialog.bmp"},
                                                      {kCommandOptions, L"options.bmp"},
                                                      {kCommandAbout, L"about.bmp"}};
    for (const auto& [command, name] : dialogs) {
        if (saved && !SaveDialogPicture(tintra, command, folder + L"\\" + name)) {
            std::fprintf(stderr, "%ls could not be taken\n", name);
            saved = false;
        }
    }
    if (saved && !SaveLoupePicture(tintra, folder + L"\\loupe.bmp")) {
        std::fprintf(stderr, "the loupe's picture could not be taken\n");
        saved = false;
    }
    const int result = Finish(tintra, saved);
    e2e::ClearSettings();
    return result;
}

int StartCopy(const wchar_t* path) {
    e2e::TintraProcess tintra;
    if (!Appeared(tintra.Start(path)))
        return kExitFailed;
    return Finish(tintra, true);
}

// For a script that needs Tintra running while it does something else (an installer run).
int KeepRunning(const wchar_t* path, int seconds, const wchar_t* ready) {
    e2e::TintraProcess tintra;
    if (!Appeared(tintra.Start(path)))
        return kExitFailed;
    SettlePainting(tintra.MainWindow());
    std::ofstream(ready) << "running\n";
    WaitForSingleObject(tintra.Handle(), static_cast<DWORD>(seconds) * 1000);
    const long long exitCode = tintra.ExitCode();
    if (exitCode < 0) {
        std::fprintf(stderr, "Tintra still ran after %d s; ended now\n", seconds);
        return kExitFailed;
    }
    // Killed, Tintra would end with another code and save nothing.
    std::printf("Tintra ended with exit code %lld\n", exitCode);
    return exitCode == 0 ? 0 : kExitFailed;
}

// User and kernel time of the process, in milliseconds.
double ProcessorMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user))
        return -1;
    auto ticks = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

// Idle means no timers and no polling: nothing should run until the user does something.
int Idle(int seconds) {
    e2e::TintraProcess tintra;
    if (!Appeared(tintra.Start()))
        return kExitFailed;
    SettlePainting(tintra.MainWindow());
    const double before = ProcessorMs(tintra.Handle());
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double used = ProcessorMs(tintra.Handle()) - before;
    // The time its start took shows that the clock reads this process at all.
    std::printf("idle Tintra: %.0f ms of processor time in %d s (target 0; starting took %.0f ms)\n", used,
                seconds, before);
    return Finish(tintra, before >= 0);
}

int PrintVersion(const wchar_t* path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<char> data(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return kExitFailed;
    std::printf("%d.%d.%d\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                HIWORD(fixed->dwFileVersionLS));
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"screenshot" && argc == 3)
        return Screenshot(argv[2]);
    if (mode == L"help-picture" && argc == 5)
        return HelpPicture(argv[2], argv[3], argv[4]);
    if (mode == L"zoom-picture" && argc == 3)
        return ZoomPicture(argv[2]);
    if (mode == L"reference-pictures" && argc == 4)
        return ReferencePictures(argv[2], argv[3]);
    if (mode == L"start" && argc == 3)
        return StartCopy(argv[2]);
    if (mode == L"keep-running" && argc == 5)
        return KeepRunning(argv[2], _wtoi(argv[3]), argv[4]);
    if (mode == L"version" && argc == 3)
        return PrintVersion(argv[2]);
    if (mode == L"idle" && argc == 3)
        return Idle(_wtoi(argv[2]));
    std::fprintf(stderr, "usage: tintra_control screenshot OUT.bmp | help-picture en|ru OUT.bmp PARTS.txt |\n"
                         "       zoom-picture OUT.bmp | reference-pictures en|ru DIR | start PATH |\n"
                         "       keep-running PATH SECONDS READY | version PATH | idle SECONDS\n");
    return kExitUsage;
}
