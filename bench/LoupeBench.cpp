// The loupe's cost while it follows the pointer. Prints two lines:
//   the processor time of this process per pointer move, for a loupe following it and for a
//   reference that copies the same square from the screen and stretches it into a window of
//   the same size, in microseconds;
//   the median time from a pointer move over a pattern to a running Tintra's loupe showing the
//   pattern's pixel under it, in milliseconds.
// Other work on the machine comes in bursts: each processor figure is the best of several rounds.
#include "../tests/e2e/Driver.h"
#include "../tests/e2e/PatternWindow.h"
#include "display/LoupeWindow.h"
#include "win/Colors.h"
#include "win/Gdiplus.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int kRounds = 10;
constexpr int kMovesPerRound = 500;
constexpr int kLatencyMoves = 40;
constexpr POINT kPatternPlace{600, 300};

double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](FILETIME time) {
        return static_cast<double>(static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

// The pointer's places of one round: along a row, a pixel at a time, as a slow drag moves it.
POINT MoveAt(int move) {
    return POINT{300 + move % 200, 300 + move / 200 % 5};
}

// The two take turns, so that a burst of other work falls on both alike; each keeps its best round.
std::pair<double, double> BestMicrosPerMove(const std::function<void(POINT)>& follow,
                                            const std::function<void(POINT)>& reference) {
    double best[2] = {1e9, 1e9};
    for (int round = 0; round < kRounds; ++round)
        for (int which = 0; which < 2; ++which) {
            const double start = ProcessorSeconds();
            for (int move = 0; move < kMovesPerRound; ++move)
                (which == 0 ? follow : reference)(MoveAt(move));
            best[which] = std::min(best[which], (ProcessorSeconds() - start) / kMovesPerRound * 1e6);
        }
    return {best[0], best[1]};
}

// A window of the loupe's size beside the pointer, painted with the square around the pointer
// copied from the screen and stretched, as plainly as GDI does it; below the loupe, so that
// neither window uncovers the other.
struct Reference {
    HWND window;
    LoupeView view;

    void Follow(POINT at) {
        const PixelRect square = LoupeViewAround({at.x, at.y}, kBaseDpi, kZoomFactor).source;
        SetWindowPos(window, HWND_TOPMOST, at.x + 100, at.y + 200, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOCOPYBITS);
        const win::WindowDc screen(nullptr);
        const win::WindowDc target(window);
        const win::MemoryDc memory(CreateCompatibleDC(screen.get()));
        const win::BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), square.Width(), square.Height()));
        const win::SelectScope selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, square.Width(), square.Height(), screen.get(), square.left, square.top,
               SRCCOPY | CAPTUREBLT);
        const int side = square.Width() * view.block;
        StretchBlt(target.get(), 0, 0, side, side, memory.get(), 0, 0, square.Width(), square.Height(),
                   SRCCOPY);
        GdiFlush();
    }
};

// The loupe's pixel over the middle of its framed block, on the screen.
POINT LoupeMiddle(HWND loupe, POINT pointer) {
    const LoupeView view = LoupeViewAround({pointer.x, pointer.y}, kBaseDpi, kZoomFactor);
    const PixelRect middle = FramedSquare(view, 1);
    return e2e::OnScreen(loupe, kLoupePadding + middle.left + view.block / 2,
                         kLoupePadding + middle.top + view.block / 2);
}

double MedianLatencyMs() {
    e2e::ClearSettings();
    e2e::TintraProcess tintra;
    e2e::PatternWindow pattern;
    if (!tintra.Start() || !pattern.Show(kPatternPlace))
        return -1;
    e2e::MoveMouseTo(pattern.ScreenPointOf(8, 24));
    PostMessageW(tintra.MainWindow(), WM_KEYDOWN, 'P', 0);
    HWND loupe = nullptr;
    if (!e2e::WaitFor([&] { return (loupe = e2e::ShownLoupe(tintra.MainWindow())) != nullptr; }))
        return -1;
    std::vector<double> latencies;
    const win::WindowDc screen(nullptr);
    for (int move = 0; move < kLatencyMoves; ++move) {
        const int x = 9 + move % 48;
        const POINT to = pattern.ScreenPointOf(x, 24);
        const COLORREF expected = win::ToCOLORREF(e2e::PatternWindow::ColorAt(x, 24));
        const LARGE_INTEGER start = Now();
        e2e::MoveMouseTo(to);
        e2e::WaitFor([&] {
            const POINT middle = LoupeMiddle(loupe, to);
            return GetPixel(screen.get(), middle.x, middle.y) == expected;
        });
        latencies.push_back(Milliseconds(start, Now()));
    }
    tintra.CloseAndWait();
    e2e::ClearSettings();
    std::sort(latencies.begin(), latencies.end());
    return latencies[latencies.size() / 2];
}

} // namespace

int wmain() {
    const win::GdiplusSession gdiplus;
    LoupeWindow loupe;
    const LoupeWindow::Look look{kZoomFactor, 1, ColorNotation::Rgb, {}};
    loupe.Follow({300, 300}, look);
    const PixelRect size = win::ScreenRect(loupe.Hwnd());
    Reference reference{CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, L"STATIC", L"",
                                        WS_POPUP | WS_VISIBLE, 0, 0, size.Width(), size.Height(), nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr),
                        LoupeViewAround({300, 300}, kBaseDpi, kZoomFactor)};
    if (!loupe.Hwnd() || !reference.window) {
        std::fprintf(stderr, "no window for the loupe or its reference\n");
        return 1;
    }
    const auto [loupeMicros, referenceMicros] = BestMicrosPerMove(
        [&](POINT at) {
            loupe.Follow({at.x, at.y}, look);
            UpdateWindow(loupe.Hwnd());
        },
        [&](POINT at) { reference.Follow(at); });
    loupe.Hide();
    DestroyWindow(reference.window);
    const double latency = MedianLatencyMs();
    std::printf("%.1f %.1f %.1f\n", loupeMicros, referenceMicros, latency);
    return latency < 0 ? 1 : 0;
}
