// Uses a running Tintra the way a restless person would, with random input from a seeded
// generator, and checks after every batch that the program is still sound.
//   soak [--inputs N] [--seed S]
// A failure prints the seed and the last inputs, so that the run can be given again.
#include "Driver.h"
#include "color/ColorNotation.h"
#include "core/KeyCommands.h"
#include "display/PaneLayout.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace e2e;

constexpr int kBatch = 100;
constexpr size_t kInputsKept = 20;
constexpr DWORD kAnswerTimeoutMs = 1000;
constexpr DWORD kSettleTimeoutMs = 3000;

constexpr int kColorDisplay = 1000;
constexpr int kSliders[] = {1018, 1019, 1020};
constexpr int kLocks[] = {1002, 1003, 1004};
constexpr int kMarks[] = {3000, 3001, 3002, 3003, 3004};
// Value texts, indexed by ColorNotation.
constexpr int kValueTexts[] = {1002, 1003, 1004, 1009, 1011};
constexpr int kPickerButton = 5001, kZoomButton = 5002;
constexpr int kFirstToolButton = 5000, kLastToolButton = 5007;
// Buttons a click must not reach: help opens a viewer, the others open modal dialogs that
// would take the input meant for the main window.
constexpr int kButtonsNotClicked[] = {5006 /* help */, 5000 /* colour dialog */, 5004 /* options */,
                                      5005 /* about */};
constexpr int kFirstStartPaneCount = 4;
constexpr COLORREF kActiveFrame = RGB(0xDE, 0, 0);

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

class Soak {
  public:
    explicit Soak(unsigned runSeed)
        : seed(runSeed), random(runSeed), tableKeys(TableKeys()), otherKeys(OtherKeys()) {}

    int Run(int inputs) {
        const auto start = std::chrono::steady_clock::now();
        ClearSettings();
        if (!StartTintra())
            return Fail(0, "Tintra did not start");
        for (int done = 1; done <= inputs; ++done) {
            given = done;
            GiveOneInput();
            if (!process->IsRunning())
                return Fail(done, "the process ended with exit code " + std::to_string(process->ExitCode()));
            if (done % kBatch == 0 || done == inputs) {
                const std::string broken = BrokenInvariant();
                if (!broken.empty())
                    return Fail(done, broken);
            }
        }
        const long long exitCode = process->CloseAndWait();
        ClearSettings();
        if (exitCode != 0)
            return Fail(inputs, "closing ended with exit code " + std::to_string(exitCode));
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("soak: %d inputs, %d restarts, %.0f s, every invariant held; seed %u\n", inputs, restarts,
                    seconds, seed);
        return 0;
    }

  private:
    // A window that vanished in a restart has an empty rectangle: its range has no numbers.
    int Pick(int low, int high) {
        return high < low ? low : std::uniform_int_distribution<int>(low, high)(random);
    }

    bool StartTintra() {
        process = std::make_unique<TintraProcess>();
        if (!process->Start())
            return false;
        main = process->MainWindow();
        return true;
    }

    void Note(const std::string& input) {
        recent.push_back(input);
        if (recent.size() > kInputsKept)
            recent.pop_front();
    }

    POINT ScreenOf(HWND window, POINT point) const {
        ClientToScreen(window, &point);
        return point;
    }
    // A point as "(x, y)" in the main window's client area.
    std::string Where(POINT screen) const {
        POINT client = screen;
        ScreenToClient(main, &client);
        return "(" + std::to_string(client.x) + ", " + std::to_string(client.y) + ")";
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
    template <size_t N> int OneOf(const int (&ids)[N]) { return ids[Pick(0, static_cast<int>(N) - 1)]; }

    void Click(const char* what, POINT screen) {
        Note(std::string(what) + " at " + Where(screen));
        TapAt(screen);
    }
    void Key(WORD key) {
        char text[32];
        std::snprintf(text, sizeof(text), "key 0x%02X", key);
        Note(text);
        PressKey(key);
    }
    void Drag(const char* what, POINT from, POINT to) {
        Note(std::string(what) + " from " + Where(from) + " to " + Where(to));
        DragFromTo(from, to);
    }
    int AllowedToolButton() {
        for (;;) {
            const int id = Pick(kFirstToolButton, kLastToolButton);
            if (!IsNotClicked(id))
                return id;
        }
    }

    void GiveOneInput() {
        const int kind = Pick(0, 99);
        if (kind < 20) {
            Click("click", AnyPoint());
        } else if (kind < 30) {
            Click("click on a pane", PointIn(process->Control(kColorDisplay)));
        } else if (kind < 37) {
            Click("click on a lock", PointIn(process->Control(OneOf(kLocks))));
        } else if (kind < 44) {
            Click("click on a mark", PointIn(GetDlgItem(process->InfoPanel(), OneOf(kMarks))));
        } else if (kind < 50) {
            Click("click on a slider", PointIn(process->Control(OneOf(kSliders))));
        } else if (kind < 60) {
            const HWND slider = process->Control(OneOf(kSliders));
            const RECT thumb = ThumbRect(slider);
            const POINT from =
                ScreenOf(slider, POINT{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2});
            Drag("drag of a thumb", from,
                 InClientArea(POINT{from.x + Pick(-10, 10), from.y + Pick(-150, 150)}));
        } else if (kind < 65) {
            Drag("drag", AnyPoint(), AnyPoint());
        } else if (kind < 73) {
            Click("click on a tool button", PointIn(process->PanelButton(AllowedToolButton())));
        } else if (kind < 85) {
            Key(tableKeys[static_cast<size_t>(Pick(0, static_cast<int>(tableKeys.size()) - 1))]);
        } else if (kind < 93) {
            Key(otherKeys[static_cast<size_t>(Pick(0, static_cast<int>(otherKeys.size()) - 1))]);
        } else if (kind < 99) {
            // A picking mode, started and then ended by a pick or by Escape.
            Click("click on a picker",
                  PointIn(process->PanelButton(Pick(0, 1) ? kPickerButton : kZoomButton)));
            if (Pick(0, 1))
                Key(VK_ESCAPE);
            else
                Click("pick", AnyPoint());
        } else if (Pick(0, 1) == 0) {
            Restart();
        }
        // Paces the input to the program: it has handled what came before this answer.
        DWORD_PTR answer;
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &answer);
    }

    void Restart() {
        Note("restart");
        const long long exitCode = process->CloseAndWait();
        if (exitCode != 0)
            Note("closing ended with exit code " + std::to_string(exitCode));
        StartTintra();
        ++restarts;
    }

    ColorRef SliderColor() const {
        return MakeColorRef(TrackbarPos(process->Control(kSliders[0])),
                            TrackbarPos(process->Control(kSliders[1])),
                            TrackbarPos(process->Control(kSliders[2])));
    }
    bool RowsShow(ColorRef color) const {
        for (int notation = 0; notation < kNotationCount; ++notation)
            if (process->InfoText(kValueTexts[notation]) !=
                NotationText(static_cast<ColorNotation>(notation), color))
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
    int ActivePanes(COLORREF* inside) const {
        const HWND display = process->Control(kColorDisplay);
        RECT client;
        GetClientRect(display, &client);
        int active = 0;
        for (const PixelRect& pane : LayoutPanes(kFirstStartPaneCount, client.right, client.bottom)) {
            if (ScreenPixel(display, pane.left, (pane.top + pane.bottom) / 2) != kActiveFrame)
                continue;
            ++active;
            *inside = ScreenPixel(display, (pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2);
        }
        return active;
    }

    // The empty text when everything holds, otherwise what is wrong.
    std::string BrokenInvariant() {
        DWORD_PTR answer;
        if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                                 &answer))
            return "the main window did not answer within a second";
        // Escape ends every picking mode: the program lets the mouse go.
        if (!PressKeyFor(VK_ESCAPE, "no mouse capture",
                         [&] { return CaptureOf(process->UiThread()) == nullptr; }))
            return "a picking mode is still waiting after Escape";
        // The pointer rests off the window, so no tip covers what is read from the screen.
        MoveMouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 20, GetSystemMetrics(SM_CYSCREEN) - 20});
        // The program may still be handling the last input, so the whole picture is read
        // again until it holds together or the time is up.
        std::string problem;
        WaitFor([&] { return (problem = ConsistencyProblem()).empty(); }, kSettleTimeoutMs);
        return problem;
    }

    // The sliders, the five rows and the active pane must show one colour; one mark, one pane.
    std::string ConsistencyProblem() const {
        const ColorRef color = SliderColor();
        if (!RowsShow(color))
            return "the rows (RGB " + Narrow(process->InfoText(kValueTexts[1])) +
                   ") differ from the sliders (" + RgbText(color) + ")";
        if (const int marks = MarksSet(); marks != 1)
            return std::to_string(marks) + " notation marks are set";
        COLORREF inside = 0;
        if (const int active = ActivePanes(&inside); active != 1)
            return std::to_string(active) + " panes are active";
        if (inside != color)
            return "the active pane shows " + RgbText(inside) + ", the sliders " + RgbText(color);
        return {};
    }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }
    static std::string RgbText(ColorRef color) { return Narrow(NotationText(ColorNotation::Rgb, color)); }

  public:
    int Fail(int inputs, const std::string& what) const {
        std::printf("soak: FAILED after %d inputs: %s\nsoak: seed %u; the last inputs, oldest first:\n",
                    inputs, what.c_str(), seed);
        for (const std::string& input : recent)
            std::printf("  %s\n", input.c_str());
        return 1;
    }
    int Given() const { return given; }

  private:
    unsigned seed;
    std::mt19937 random;
    std::vector<WORD> tableKeys;
    std::vector<WORD> otherKeys;
    std::unique_ptr<TintraProcess> process;
    HWND main = nullptr;
    std::deque<std::string> recent;
    int restarts = 0;
    int given = 0;
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
    // Unbuffered, so that nothing printed is lost whichever way the run ends.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("soak: %d inputs, seed %u\n", inputs, seed);
    Soak soak(seed);
    running = &soak;
    SetUnhandledExceptionFilter(ReportCrash);
    return soak.Run(inputs);
}
