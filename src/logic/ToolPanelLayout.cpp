#include "ToolPanelLayout.h"

namespace {

// Left edges at the base DPI: steps of 32, with 11-pixel gaps before the options and topmost buttons.
constexpr int kButtonLefts[kToolButtonCount] = {6, 38, 70, 102, 141, 173, 205, 244};
constexpr int kButtonWidth = 28;
constexpr int kButtonHeight = 20;

} // namespace

// One pixel below the centre, clear of the separator line along the top.
PixelRect ToolButtonRect(int index, int panelHeight, int dpi) {
    const int left = kButtonLefts[index];
    const int height = ScaleToDpi(kButtonHeight, dpi);
    const int top = (panelHeight - height) / 2 + 1;
    return {ScaleToDpi(left, dpi), top, ScaleToDpi(left + kButtonWidth, dpi), top + height};
}
