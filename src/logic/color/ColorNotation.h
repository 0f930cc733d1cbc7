#pragma once
#include "../Color.h"
#include <cstddef>
#include <string>

struct RgbColor {
    int red;
    int green;
    int blue;
};
// Saturation and brightness run 0..255, not percentages.
struct HsbColor {
    int hue;
    int saturation;
    int brightness;
};
struct CmykColor {
    int cyan;
    int magenta;
    int yellow;
    int black;
};

HsbColor RgbToHsb(const RgbColor& rgb);
CmykColor RgbToCmyk(int red, int green, int blue);

// The label of the notation's row, the same in both languages: "RGB", "HEX", ...
const wchar_t* NotationName(ColorNotation notation);

// Room for the longest text, "-2147483648" or "100, 100, 100, 100", and its final zero.
constexpr size_t kNotationTextCapacity = 24;
// The text the information panel shows, written into the buffer and zero-terminated;
// returns its length.
size_t WriteNotationText(ColorNotation notation, ColorRef color, wchar_t (&text)[kNotationTextCapacity]);
// The same as a string.
std::wstring NotationText(ColorNotation notation, ColorRef color);
