#pragma once
// Pictures kept as text: a palette of one-character keys and a grid of those keys.
//
//   size 28 20
//   hotspot 8 21          (cursors only)
//   colors
//   . #FF0000
//   ~ transparent         (cursors and icons)
//   ! invert              (cursors: the screen shows through inverted)
//   pixels
//   ....
#include <cstdint>
#include <string>
#include <vector>

enum class PixelKind { Color, Transparent, Invert };

struct Pixel {
    PixelKind kind = PixelKind::Color;
    std::uint32_t rgb = 0; // 0xRRGGBB
};

struct PixImage {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    std::vector<Pixel> pixels; // row by row from the top

    const Pixel& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    Pixel& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Throws std::runtime_error naming the line that is wrong.
PixImage ReadPixFile(const std::string& path);
PixImage MakeImage(int width, int height, std::uint32_t rgb);
