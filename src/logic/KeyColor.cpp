#include "KeyColor.h"

namespace {

// Rewrites every pixel through the rule; only changed pixels are written back.
template <typename Rule> void MapRows(const PixelRows& pixels, Rule rule) {
    for (int y = 0; y < pixels.height; ++y) {
        std::uint8_t* pixel = pixels.first + y * pixels.stride;
        for (int x = 0; x < pixels.width; ++x, pixel += 3) {
            const Argb before =
                0xFF000000u | static_cast<Argb>(pixel[2]) << 16 | static_cast<Argb>(pixel[1]) << 8 | pixel[0];
            const Argb after = rule(before);
            if (after != before) {
                pixel[0] = static_cast<std::uint8_t>(after);
                pixel[1] = static_cast<std::uint8_t>(after >> 8);
                pixel[2] = static_cast<std::uint8_t>(after >> 16);
            }
        }
    }
}

} // namespace

Argb ReplaceKeyPixel(Argb pixel, ColorRef oldColor, ColorRef newColor) {
    return ToColorRef(pixel) == oldColor ? ToArgb(newColor) : pixel;
}

Argb GreyPixel(Argb pixel, Argb fill) {
    if (ToColorRef(pixel) == kPanelKeyColor)
        return fill;
    const ColorRef color = ToColorRef(pixel);
    const auto grey = static_cast<Argb>((RedOf(color) + GreenOf(color) + BlueOf(color)) / 3);
    return 0xFF000000u | grey << 16 | grey << 8 | grey;
}

void ReplaceKeyColor(const PixelRows& pixels, ColorRef oldColor, ColorRef newColor) {
    MapRows(pixels, [=](Argb pixel) { return ReplaceKeyPixel(pixel, oldColor, newColor); });
}

void GreyWithKey(const PixelRows& pixels, Argb fill) {
    MapRows(pixels, [=](Argb pixel) { return GreyPixel(pixel, fill); });
}
