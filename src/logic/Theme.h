#pragma once
#include "Color.h"

struct ThemeColors {
    ColorRef backgroundColor; // darker: dialog faces, lock-button key pixels
    ColorRef panelColor;      // lighter: information panel and tool panel
};

constexpr int kDefaultTheme = 4;
constexpr int kThemeCount = 6;

// A theme's place in the table, 0 for theme 1: values 2..6 pick their own; every other value,
// stored or not, shows theme 1.
int ThemeIndex(int theme);
ThemeColors LookupTheme(int theme);
// The right-hand colour of a theme's preview picture (theme 1's is one step lighter in red).
ColorRef ThemePreviewPanelColor(int theme);

#include <vector>

// A theme's preview picture: a grey border round its two colours, side by side.
constexpr int kPreviewWidth = 51;
constexpr int kPreviewHeight = 12;
// Row by row from the top.
std::vector<Argb> RenderThemePreview(int theme);
