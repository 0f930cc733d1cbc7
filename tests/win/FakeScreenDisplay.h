#pragma once
#include "display/ColorDisplay.h"

#include <vector>

// Screen pixel (x, y) of the stand-in screen: distinct for every pixel near the clicks.
inline Argb FakeScreenPixel(int x, int y) {
    return ToArgb(MakeColorRef(x * 5, y * 7, x + y));
}

// The display with a stand-in screen that records what it was asked to copy.
class FakeScreenDisplay : public CColorDisplay {
  public:
    bool failing = false;       // the screen cannot be read
    bool imagesFailing = false; // the view's images cannot be made
    mutable std::vector<PixelRect> copied;

  protected:
    bool CopyScreen(const PixelRect& area, ScreenArea& copy) const override {
        if (failing)
            return false;
        copied.push_back(area);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                copy.pixels.push_back(FakeScreenPixel(x, y));
        return true;
    }
    win::BitmapPtr MakeViewImage(int width, int height) const override {
        return imagesFailing ? nullptr : CColorDisplay::MakeViewImage(width, height);
    }
};
