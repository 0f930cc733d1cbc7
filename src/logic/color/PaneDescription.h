#pragma once
#include "ColorNotation.h"

#include <string>
#include <vector>

// What a pane's tooltip and its accessible description say, in the interface language: the
// pane's colour in the marked notation; its oklch() and its CSS name, or the nearest name and
// how far it is; then its contrast with the active pane, or, for the active pane itself, its
// contrast on white and on black, each with the WCAG levels it reaches.
std::wstring PaneDescription(const std::vector<ColorRef>& colors, size_t pane, size_t active,
                             ColorNotation marked);
