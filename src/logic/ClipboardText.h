#pragma once
#include "ColorNotation.h"

#include <string>

// The text the copy puts on the clipboard: unlike the panel, RGB, HSB and CMYK are in
// parentheses. 8-bit, since only ASCII characters occur.
std::string ClipboardText(ColorNotation notation, ColorRef color);
