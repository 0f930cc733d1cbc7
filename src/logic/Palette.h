#pragma once
#include "Color.h"

#include <cstddef>
#include <vector>

// The colour dialog's palette picture: 25 x 12 swatches of 11 x 11 pixels between 1-pixel lines.
constexpr int kPaletteColumns = 25;
constexpr int kPaletteRows = 12;
constexpr int kPaletteCell = 12;                                  // swatch plus the line before it
constexpr int kPaletteWidth = kPaletteColumns * kPaletteCell + 1; // 301
constexpr int kPaletteHeight = kPaletteRows * kPaletteCell + 1;   // 145

// The swatch in that row and column, counted from 0 at the top left.
Argb PaletteSwatch(int row, int column);

// The picture, row by row from the top.
std::vector<Argb> RenderPalette();
