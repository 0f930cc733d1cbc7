#pragma once
#include "ColorNotation.h"

#include <optional>
#include <string_view>

// The colour a pasted text names, or nothing. Read first as the marked notation's own text, as
// the copy writes it or as the panel shows it; CMYK's four figures as device-cmyk() takes them,
// unless they are another colour's own text. Then as "RRGGBB", as a COLORREF literal
// "0x00BBGGRR", as any colour text of CSS (ReadCssColor), the Win32 macro "RGB(r, g, b)"
// among them; and, unless HSB or CMYK is marked, as three numbers 0..255 taken as red, green
// and blue. Spaces, tabs and line ends around the text do not count. Any text is safe: too
// long a text names nothing.
std::optional<ColorRef> PastedColor(std::wstring_view text, ColorNotation marked);
// 8-bit text; only ASCII characters can be part of a colour.
std::optional<ColorRef> PastedColor(std::string_view text, ColorNotation marked);
