#pragma once
#include "../logic/PixelRect.h"

#include <windows.h>

// Where a rectangle or a point changes type at the Win32 boundary: the layout speaks PixelRect, the
// system RECT, and no handler converts between them field by field.
namespace win {

RECT ToRECT(const PixelRect& rect);
PixelRect ToPixelRect(const RECT& rect);
inline PixelPoint ToPixelPoint(POINT point) {
    return PixelPoint{point.x, point.y};
}
inline POINT ToPOINT(PixelPoint point) {
    return POINT{point.x, point.y};
}
// A window's client area, its origin at 0, 0.
PixelRect ClientRect(HWND window);
// A window's frame in screen coordinates.
PixelRect ScreenRect(HWND window);
// Moves and sizes a window to the rectangle, in its parent's client coordinates.
void MoveWindowTo(HWND window, const PixelRect& rect);

} // namespace win
