#pragma once
#include "ColorNotation.h"

// HSB and CMYK texts are whole numbers, so not every one of them is some colour's text, and
// many colours share one. Found through RgbToHsb and RgbToCmyk themselves, so they follow any
// change to them. Both rely only on what the notations are: brightness is the largest channel,
// black depends on it alone, saturation on it and the spread to the smallest, and hue rises
// around the colour wheel.

// The colour whose own text the HSB figures are (the first found), else the one nearest to
// them. Hue 0..359, saturation and brightness 0..255. An exact text takes a few dozen
// conversions; a text that no colour has, a scan of every colour of that brightness (at most
// about 196,000 conversions).
ColorRef ColorWithHsb(const HsbColor& hsb);
// Of the colours whose own CMYK text the figures (0..100) are, the one nearest to the given
// colour; that colour itself when it has the text or no colour has it. A few dozen conversions.
ColorRef ColorWithCmyk(const CmykColor& cmyk, ColorRef near);
