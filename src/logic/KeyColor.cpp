#include "KeyColor.h"

#include <algorithm>

namespace {

// Rewrites every pixel through the rule; only changed pixels are written back.
template <typename Rule> void MapRows(const PixelRows& pixels, Rule rule) {
    for (int y = 0; y < pixels.height; ++y) {
        std::uint8_t* pixel = pixels.first + y * pixels.stride;
        for (int x = 0; x < pixels.width; ++x, pixel += 3) {
            const Argb before = ToArgb(MakeColorRef(pixel[2], pixel[1], pixel[0]));
            const Argb after = rule(before);
            if (after != before) {
                const ColorRef color = ToColorRef(after);
                pixel[0] = static_cast<std::uint8_t>(BlueOf(color));
                pixel[1] = static_cast<std::uint8_t>(GreenOf(color));
                pixel[2] = static_cast<std::uint8_t>(RedOf(color));
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
    const int grey = (RedOf(color) + GreenOf(color) + BlueOf(color)) / 3;
    return ToArgb(MakeColorRef(grey, grey, grey));
}

void ReplaceKeyColor(const PixelRows& pixels, ColorRef oldColor, ColorRef newColor) {
    MapRows(pixels, [=](Argb pixel) { return ReplaceKeyPixel(pixel, oldColor, newColor); });
}

void GreyWithKey(const PixelRows& pixels, Argb fill) {
    MapRows(pixels, [=](Argb pixel) { return GreyPixel(pixel, fill); });
}

void FillArea(const PixelRows& pixels, const PixelRect& area, ColorRef color) {
    const int left = std::max(area.left, 0), right = std::min(area.right, pixels.width);
    if (left >= right)
        return;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, pixels.height); ++y) {
        std::uint8_t* pixel = pixels.first + y * pixels.stride + std::ptrdiff_t{3} * left;
        for (int x = left; x < right; ++x, pixel += 3) {
            pixel[0] = static_cast<std::uint8_t>(BlueOf(color));
            pixel[1] = static_cast<std::uint8_t>(GreenOf(color));
            pixel[2] = static_cast<std::uint8_t>(RedOf(color));
        }
    }
}
