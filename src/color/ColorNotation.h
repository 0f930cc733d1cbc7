#pragma once
#include "../core/Color.h"
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

// The texts the information panel shows.
std::wstring NotationText(ColorNotation notation, ColorRef color);
// Two upper-case hex digits per channel, red first, no prefix.
std::wstring HexText(ColorRef color);
