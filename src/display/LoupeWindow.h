#pragma once
#include "../logic/Loupe.h"
#include "../win/Handles.h"
#include "../win/Window.h"
#include "ScreenCopy.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

// The small window beside the pointer while a picker waits: the pixels around the pointer
// magnified, the pixel or the sampled square framed, and beneath them the colour a click would
// take and the pointer's place. It never takes the activation, the focus or a click, and it
// never covers the pixels it shows, so reading the screen around the pointer never sees it.
// The window is made when it is first shown.
//
// It redraws on every move of the pointer, so its canvas is a GDI bitmap whose pixels are
// written directly and whose text GDI draws, not a GDI+ picture as the other controls': under
// Wine GDI+'s text and its locking of pixels cost more than the screen copy they show.
class LoupeWindow : public win::Window {
  public:
    // What it shows: the magnified view's factor, the side of the square a pick averages, the
    // marked notation; and what it must keep clear of besides its own pixels (the zoomed
    // picker's snapshot), or an empty rectangle.
    struct Look {
        int factor;
        int sampleSide;
        ColorNotation notation;
        PixelRect keepClear;
    };
    // Shows it beside that screen point, or moves it there, with the pixels there now.
    void Follow(PixelPoint at, const Look& look);
    void Hide();
    bool IsShown() const { return Hwnd() && IsWindowVisible(Hwnd()); }
    // Where the pointer is now, asked at every tick: a move whose report came late, or that
    // brought none, is caught up with there. Without one the loupe stays where it was put.
    using PointerSource = std::function<std::optional<PixelPoint>()>;
    // The owner for the window once it is made, which it stays above, and where the pointer is.
    void SetOwner(HWND window, PointerSource source = {}) {
        owner = window;
        pointerNow = std::move(source);
    }

    win::AccessibleFacts DescribeAccessible(long item) const override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Make();
    // The monitor under the pointer, asked again only once the pointer has left it.
    bool FindMonitor(PixelPoint at);
    bool FitCanvas(int width, int height);
    // Reads the screen around the pointer again and draws the canvas anew; the text follows.
    void Refresh();
    void DrawCanvas();
    void OnPaint();
    void OnTimer();
    // Reading again at rest: what the screen shows may change under a still pointer.
    static constexpr UINT_PTR kRefreshTimer = 1;
    static constexpr UINT kRefreshMs = 100;

    HWND owner = nullptr;
    PointerSource pointerNow;
    Look shownLook{};
    PixelPoint pointer{};
    int dpi = kBaseDpi;
    PixelRect monitor{};
    LoupeView view{};
    ScreenReader screen;
    ScreenArea capture;
    std::wstring text;
    // Top-down 32-bit rows of the window's client size.
    win::MemoryDc canvasDc;
    win::BitmapHandle canvas;
    Argb* canvasBits = nullptr;
    int canvasWidth = 0;
    int canvasHeight = 0;
    win::FontHandle font; // at the monitor's scale
    // The pointer's place at the last tick, and the place last announced to screen readers.
    PixelPoint atLastTick{};
    PixelPoint announced{};
};
