#pragma once
#include "../logic/Color.h"
#include "Gdiplus.h"

// Where a colour changes type at the system's boundary: the program speaks ColorRef and Argb,
// GDI COLORREF and GDI+ Gdiplus::Color, and no handler casts between them by hand.
namespace win {

constexpr COLORREF ToCOLORREF(ColorRef color) {
    return static_cast<COLORREF>(color);
}
constexpr ColorRef ToColorRef(COLORREF color) {
    return static_cast<ColorRef>(color);
}
inline Gdiplus::Color ToGdiplusColor(Argb color) {
    return Gdiplus::Color(static_cast<Gdiplus::ARGB>(color));
}
inline Argb ToArgb(const Gdiplus::Color& color) {
    return static_cast<Argb>(color.GetValue());
}

} // namespace win
