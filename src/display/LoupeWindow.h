#pragma once
#include "../logic/Loupe.h"
#include "../ui/CanvasWindow.h"
#include "../win/Handles.h"

#include <string>

// The small window beside the pointer while a picker waits: the pixels around the pointer
// magnified, the pixel or the sampled square framed, and beneath them the colour a click would
// take and the pointer's place. It never takes the activation, the focus or a click, and it
// never covers the pixels it shows, so reading the screen around the pointer never sees it.
// The window is made when it is first shown.
class LoupeWindow : public ui::CanvasWindow {
  public:
    LoupeWindow() = default;
    LoupeWindow(const LoupeWindow&) = delete;
    LoupeWindow& operator=(const LoupeWindow&) = delete;

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
    void Follow(PixelPoint pointer, const Look& look);
    void Hide();
    bool IsShown() const { return Hwnd() && IsWindowVisible(Hwnd()); }
    // The owner for the window once it is made: it stays above its owner.
    void SetOwner(HWND window) { owner = window; }

    win::AccessibleFacts DescribeAccessible(long item) const override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawCanvas() override;

  private:
    bool Make();
    // Reads the screen around the pointer again and redraws; the text follows.
    void Refresh();
    void OnTimer();
    // Reading again at rest: what the screen shows may change under a still pointer.
    static constexpr UINT_PTR kRefreshTimer = 1;
    static constexpr UINT kRefreshMs = 100;

    HWND owner = nullptr;
    Look shownLook{};
    PixelPoint pointer{};
    int dpi = kBaseDpi;
    LoupeView view{};
    ScreenArea capture;
    win::BitmapPtr picture;
    std::wstring text;
    // The pointer's place at the last tick, and the place last announced to screen readers.
    PixelPoint atLastTick{};
    PixelPoint announced{};
};
