#pragma once
#include "ColorNotation.h"

// HSB and CMYK texts are whole numbers, so not every one of them is some colour's text, and
// many colours share one. These give the colour whose own text is the given one (the first
// found), else the one nearest to it. The values must lie in the notation's ranges: hue 0..359,
// saturation and brightness 0..255; CMYK 0..100.
//
// Found through RgbToHsb and RgbToCmyk themselves, so they follow any change to them. Both
// rely only on what the notations are: brightness is the largest channel, black depends on it
// alone, saturation on it and the spread to the smallest, and hue rises around the colour
// wheel. An exact text takes a few dozen conversions; a text that no colour has takes a scan
// of every colour of that brightness or black (at most about 590,000 conversions).
ColorRef ColorWithHsb(const HsbColor& hsb);
ColorRef ColorWithCmyk(const CmykColor& cmyk);
// The same for a stylesheet's hsl() in whole numbers (hue 0..359, per cents 0..100): of the
// colours whose own hsl() text it is, the one nearest to the colour the figures name; that
// colour itself where no colour has the text. A few dozen conversions.
ColorRef ColorWithHsl(const HslColor& hsl);
