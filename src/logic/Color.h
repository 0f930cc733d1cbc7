#pragma once
#include <cstdint>

// Two layouts of a colour in one 32-bit word, kept apart as types so that neither passes for the
// other: they change into each other only through ToArgb and ToColorRef, and into the system's
// types only at the window boundary (win/Colors.h).
// A colour as Windows keeps it: 0x00BBGGRR, red in the low byte.
enum class ColorRef : std::uint32_t {};
// A colour as GDI+ draws it: 0xAARRGGBB.
enum class Argb : std::uint32_t {};

constexpr int RedOf(ColorRef color) {
    return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF);
}
constexpr int GreenOf(ColorRef color) {
    return static_cast<int>((static_cast<std::uint32_t>(color) >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef color) {
    return static_cast<int>((static_cast<std::uint32_t>(color) >> 16) & 0xFF);
}
constexpr ColorRef MakeColorRef(int red, int green, int blue) {
    return ColorRef{static_cast<std::uint32_t>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16))};
}
// The same colour with full alpha: screen pixels and tables written 0xRRGGBB come with none.
constexpr Argb Opaque(Argb color) {
    return Argb{static_cast<std::uint32_t>(color) | 0xFF000000u};
}
constexpr Argb ToArgb(ColorRef color) {
    return Opaque(Argb{static_cast<std::uint32_t>(RedOf(color) << 16 | GreenOf(color) << 8 | BlueOf(color))});
}
// Alpha is dropped: a ColorRef has none.
constexpr ColorRef ToColorRef(Argb color) {
    const auto bits = static_cast<std::uint32_t>(color);
    return MakeColorRef(static_cast<int>((bits >> 16) & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                        static_cast<int>(bits & 0xFF));
}

// The values are stored as the "format" setting; the order is not the panel's row order.
enum class ColorNotation : int { Colref = 0, Rgb = 1, Hex = 2, Hsb = 3, Cmyk = 4 };
constexpr int kNotationCount = 5;
constexpr bool IsNotation(int value) {
    return value >= 0 && value < kNotationCount;
}
