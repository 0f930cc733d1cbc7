#pragma once
#include "../Color.h"

#include <optional>
#include <string_view>

// The colours a stylesheet names, rounded to the nearest channel values. Hues in degrees, any
// number of turns, negative too; every other figure in per cent, 0 to 100.
ColorRef HslToColor(double hue, double saturation, double lightness);
// Whiteness and blackness that add up to 100 or more give a grey.
ColorRef HwbToColor(double hue, double whiteness, double blackness);
// As CSS converts device-cmyk() without a colour profile.
ColorRef CmykToColor(double cyan, double magenta, double yellow, double black);

// One of the 148 named colours of CSS Color 4, in any letter case: "tomato", "RebeccaPurple".
std::optional<ColorRef> NamedColor(std::wstring_view name);
