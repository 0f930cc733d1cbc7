#pragma once
// Reading the screen as a person sees it.
#include "../logic/PixelRect.h"
#include "../logic/ZoomGeometry.h"
#include "../win/Handles.h"

// The virtual screen over every monitor; left of or above the primary one it is negative.
PixelRect VirtualScreen();

// Copies parts of the screen into an area's pixels, layered and translucent windows (tooltips,
// menu shadows, notifications) included, through a bitmap it keeps while the parts fit it: one
// that follows the pointer then makes no bitmap for every copy.
class ScreenReader {
  public:
    // False when the screen cannot be read.
    bool Copy(const PixelRect& area, ScreenArea& copy);

  private:
    bool Fit(HDC screen, int width, int height);

    win::MemoryDc memory;
    win::BitmapHandle bitmap;
    void* bits = nullptr;
    int bitmapWidth = 0;
    int bitmapHeight = 0;
};

// One copy, with a reader of its own.
bool CopyScreenArea(const PixelRect& area, ScreenArea& copy);
