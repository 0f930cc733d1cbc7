#pragma once
#include <cstdint>

// A colour as Windows keeps it: 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;
// A colour as GDI+ draws it: 0xAARRGGBB.
using Argb = std::uint32_t;

constexpr int RedOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr ColorRef MakeColorRef(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr Argb ToArgb(ColorRef c) {
    return 0xFF000000u | (static_cast<Argb>(RedOf(c)) << 16) | (static_cast<Argb>(GreenOf(c)) << 8) |
           static_cast<Argb>(BlueOf(c));
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
