#pragma once
#include "ColorNotation.h"

#include <string>

// How a copy writes the colour: as its notation's clipboard text, or as code takes it.
enum class CopyForm { Plain, Code };

// The text the copy puts on the clipboard: unlike the panel, RGB, HSB and CMYK are in
// parentheses. 8-bit, since only ASCII characters occur.
std::string ClipboardText(ColorNotation notation, ColorRef color);
// The same colour as code takes it, copied with Shift: the code form of the notation
// (CodeFormText), a stylesheet's rgb(), #RRGGBB, hsl() for HSB and device-cmyk() for CMYK, and
// a C literal of the COLORREF value.
std::string CodeText(ColorNotation notation, ColorRef color);
