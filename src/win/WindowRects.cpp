#include "WindowRects.h"

#include "Window.h"

namespace win {

RECT ToRECT(const PixelRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

PixelRect ToPixelRect(const RECT& rect) {
    return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

PixelRect ClientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return ToPixelRect(client);
}

PixelRect ScreenRect(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return ToPixelRect(frame);
}

// Not when it is there already, as a panel's controls are at its first WM_SIZE: under Wine even
// a move to the same place is a round trip to the window system, and a second for the repaint.
void MoveWindowTo(HWND window, const PixelRect& rect) {
    const bool child = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    if ((child ? ToPixelRect(RectInParent(window)) : ScreenRect(window)) == rect)
        return;
    MoveWindow(window, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

} // namespace win
