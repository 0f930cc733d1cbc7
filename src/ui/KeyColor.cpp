#include "KeyColor.h"

Argb ReplaceKeyPixel(Argb pixel, ColorRef oldColor, ColorRef newColor) {
    return ToColorRef(pixel) == oldColor ? ToArgb(newColor) : pixel;
}

Argb GreyPixel(Argb pixel, Argb fill) {
    if (ToColorRef(pixel) == kPanelKeyColor)
        return fill;
    const ColorRef c = ToColorRef(pixel);
    const auto grey = static_cast<Argb>((RedOf(c) + GreenOf(c) + BlueOf(c)) / 3);
    return 0xFF000000u | grey << 16 | grey << 8 | grey;
}
