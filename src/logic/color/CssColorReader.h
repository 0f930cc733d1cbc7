#pragma once
#include "../Color.h"

#include <optional>
#include <string_view>

// The colour a browser shows for a text that CSS Color 4 reads as a colour by numbers or by
// name, or for device-cmyk() of CSS Color 5: a named colour, #RGB, #RGBA, #RRGGBB, #RRGGBBAA,
// rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch() and color() in every
// predefined space, in their legacy comma forms where CSS has them, with every unit of hue,
// per cents, none and an alpha, which is read and not used. Channels are rounded to the
// nearest level, halves up; a colour outside sRGB is gamut-mapped as CSS maps it. Nothing for
// any text CSS refuses. Spaces around the text do not count; the time taken grows with the
// text's length, no more.
std::optional<ColorRef> ReadCssColor(std::wstring_view text);
