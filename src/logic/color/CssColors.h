#pragma once
#include "../Color.h"

#include <optional>
#include <string_view>

// One of the 148 named colours of CSS Color 4, in any letter case: "tomato", "RebeccaPurple".
std::optional<ColorRef> NamedColor(std::wstring_view name);
// The colour's CSS name, or nothing. Where names share a colour (aqua and cyan, fuchsia and
// magenta, the gray and grey spellings) the first in alphabetical order, so that one colour
// always gets one name: aqua, fuchsia, darkgray, gray and so on.
std::string_view CssName(ColorRef color);

// The named colour nearest in OKLab, and how far: deltaEOK × 100, as colour tools give it.
struct NearestName {
    std::string_view name;
    double distance;
};
NearestName NearestCssName(ColorRef color);
