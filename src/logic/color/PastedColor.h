#pragma once
#include "ColorNotation.h"

#include <optional>
#include <string_view>

// The colour a pasted text names, or nothing. Read first as the marked notation's own text,
// as the copy writes it or as the panel shows it, HEX also after a "#"; then as "#RGB",
// "#RRGGBB", "RRGGBB", "rgb(r, g, b)" or "rgba(r, g, b, a)" (alpha ignored), also as the Win32
// macro "RGB(r, g, b)"; as a stylesheet's hsl(), hsla(), hwb() or device-cmyk(), with commas or
// spaces; as a COLORREF literal "0x00BBGGRR"; as a named colour of CSS; and, unless HSB or CMYK
// is marked, as three numbers 0..255 taken as red, green and blue. Spaces, tabs and line ends
// around the text do not count. Any text is safe: too long a text names nothing.
std::optional<ColorRef> PastedColor(std::wstring_view text, ColorNotation marked);
// 8-bit text; only ASCII characters can be part of a colour.
std::optional<ColorRef> PastedColor(std::string_view text, ColorNotation marked);
