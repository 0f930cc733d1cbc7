// Times the zoomed pick's own work on this desktop: the copy of the screen around the click,
// the magnified image and its drawing in the colour display. Prints the virtual screen's size
// and the time of one pick in microseconds. The machine may be busy with other work: the
// fastest of many short rounds is the pick's own cost.
#include "display/ColorDisplay.h"
#include "win/Gdiplus.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRounds = 100;
constexpr int kPicksPerRound = 10;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int wmain() {
    const win::GdiplusSession gdiplus;
    const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    CColorDisplay display;
    if (!host ||
        !display.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{8, 10, 188, 140}, host, 1000)) {
        std::fprintf(stderr, "no window for the display\n");
        return 1;
    }
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        for (int pick = 0; pick < kPicksPerRound; ++pick) {
            // Clicks spread over the whole desktop, corners included.
            const long spot = round * kPicksPerRound + pick;
            const POINT click{left + static_cast<LONG>((spot * 37 % 101) * (width - 1) / 100),
                              top + static_cast<LONG>((spot * 53 % 101) * (height - 1) / 100)};
            if (!display.CaptureScreen(click)) {
                std::fprintf(stderr, "the screen could not be read\n");
                return 1;
            }
            display.ShowZoom(click);
            UpdateWindow(display.Hwnd());
            display.CancelZoom();
        }
        QueryPerformanceCounter(&end);
        best = std::min(best, Seconds(start, end) / kPicksPerRound);
    }
    std::printf("%dx%d %.1f\n", width, height, best * 1e6);
    DestroyWindow(host);
    return 0;
}
