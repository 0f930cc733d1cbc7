#include "WindowRects.h"

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

void MoveWindowTo(HWND window, const PixelRect& rect) {
    MoveWindow(window, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

} // namespace win
