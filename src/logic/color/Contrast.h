#pragma once
#include "../Color.h"

// Contrast as WCAG 2.x measures it: the relative luminances of two sRGB colours, the lighter
// over the darker, each plus 0.05; 1:1 for a colour against itself, 21:1 for black and white.

// 0 for black to 1 for white.
double RelativeLuminance(ColorRef color);
// In hundredths, truncated as WCAG compares ratios with its levels: 452 for 4.52:1, and 449, never
// 450, for 4.499:1.
int ContrastHundredths(ColorRef first, ColorRef second);

