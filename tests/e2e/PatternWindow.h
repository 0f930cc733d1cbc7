#pragma once
// A window of the test's own that shows a known pattern of distinct colours at a known place
// on the screen, to be picked and magnified.
#include "logic/Color.h"

#include <windows.h>

#include <vector>

namespace e2e {

class PatternWindow {
  public:
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 48;

    PatternWindow() = default;
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;
    ~PatternWindow();

    // Shows the pattern with its top left pixel at that screen point, above other windows and
    // without taking the activation; true once the screen shows it.
    bool Show(POINT screenTopLeft);
    HWND Hwnd() const { return window; }
    POINT TopLeft() const { return topLeft; }
    POINT ScreenPointOf(int x, int y) const { return {topLeft.x + x, topLeft.y + y}; }

    // The colour of pattern pixel (x, y): red by column, green by row, so no two are alike.
    static ColorRef ColorAt(int x, int y);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
    POINT topLeft{};
};

// What the screen shows over a window's client rectangle, rows top first, as opaque ARGB.
std::vector<Argb> ScreenPixels(HWND window, const RECT& client);

} // namespace e2e
