#pragma once
#include <cstdint>

// A colour as Windows keeps it: 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;
// A colour as GDI+ draws it: 0xAARRGGBB.
using Argb = std::uint32_t;

constexpr int RedOf(ColorRef color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(ColorRef color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef color) {
    return static_cast<int>((color >> 16) & 0xFF);
}
constexpr ColorRef MakeColorRef(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr Argb ToArgb(ColorRef color) {
    return 0xFF000000u | (static_cast<Argb>(RedOf(color)) << 16) | (static_cast<Argb>(GreenOf(color)) << 8) |
           static_cast<Argb>(BlueOf(color));
}
constexpr ColorRef ToColorRef(Argb a) {
    return MakeColorRef(static_cast<int>((a >> 16) & 0xFF), static_cast<int>((a >> 8) & 0xFF),
                        static_cast<int>(a & 0xFF));
}

// The values are stored as the "format" setting; the order is not the panel's row order.
enum class ColorNotation : int { Colref = 0, Rgb = 1, Hex = 2, Hsb = 3, Cmyk = 4 };
constexpr int kNotationCount = 5;
constexpr bool IsNotation(int value) {
    return value >= 0 && value < kNotationCount;
}
