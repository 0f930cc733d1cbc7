#pragma once
#include "Color.h"
#include "PixelRect.h"

#include <cstddef>
#include <cstdint>

// Pixels of one exact colour (alpha ignored) stand for "the background here" and are
// replaced at run time, so that pictures blend into the current theme.
constexpr ColorRef kLockKeyColor = MakeColorRef(0, 0, 255);
constexpr ColorRef kPanelKeyColor = MakeColorRef(255, 0, 0);

// The pixel, or the opaque new colour when the pixel has the old colour.
Argb ReplaceKeyPixel(Argb pixel, ColorRef oldColor, ColorRef newColor);
// The tool panel's idle look: the key becomes the fill colour, everything else opaque grey.
Argb GreyPixel(Argb pixel, Argb fill);

// The pixels of a 24-bit picture as they lie in memory: blue, green, red, left to right, each
// row `stride` bytes after the one before it (negative for a picture stored bottom up).
struct PixelRows {
    std::uint8_t* first;
    std::ptrdiff_t stride;
    int width;
    int height;
};

// The two rules above, in one pass over every pixel.
void ReplaceKeyColor(const PixelRows& pixels, ColorRef oldColor, ColorRef newColor);
void GreyWithKey(const PixelRows& pixels, Argb fill);
// Every pixel of the area that lies in the picture becomes the colour.
void FillArea(const PixelRows& pixels, const PixelRect& area, ColorRef color);
