#include "MainLayout.h"

namespace {

// The layout at the base DPI.
constexpr PixelRect kColorDisplay{8, 10, 188, 140};
constexpr int kLockLefts[] = {202, 229, 256};
constexpr int kLockTop = 8;
constexpr int kLockWidth = 9;
constexpr int kLockHeight = 11;
constexpr int kInfoLeft = 8;
constexpr int kInfoTop = 145;
constexpr int kToolPanelHeight = 27;

} // namespace

MainLayout MainLayoutAt(int dpi) {
    MainLayout layout{};
    layout.colorDisplay = ScaleToDpi(kColorDisplay, dpi);
    for (size_t i = 0; i < layout.locks.size(); ++i)
        layout.locks[i] = ScaleToDpi(
            PixelRect{kLockLefts[i], kLockTop, kLockLefts[i] + kLockWidth, kLockTop + kLockHeight}, dpi);
    layout.infoLeft = ScaleToDpi(kInfoLeft, dpi);
    layout.infoTop = ScaleToDpi(kInfoTop, dpi);
    layout.stackGap = layout.infoTop - layout.colorDisplay.bottom;
    layout.toolPanelHeight = ScaleToDpi(kToolPanelHeight, dpi);
    return layout;
}
