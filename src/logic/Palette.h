#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The colour dialog's palette picture: 25 x 12 swatches of 11 x 11 pixels between 1-pixel lines.
constexpr int kPaletteColumns = 25;
constexpr int kPaletteRows = 12;
constexpr int kPaletteCell = 12;                                  // swatch plus the line before it
constexpr int kPaletteWidth = kPaletteColumns * kPaletteCell + 1; // 301
constexpr int kPaletteHeight = kPaletteRows * kPaletteCell + 1;   // 145

// The swatches row by row, as 0xRRGGBB: 50 runs of six tints, each from pale to strong.
extern const std::array<std::uint32_t, static_cast<std::size_t>(kPaletteColumns) * kPaletteRows>
    kPaletteSwatches;

// The picture as 0xRRGGBB pixels, row by row from the top.
std::vector<std::uint32_t> RenderPalette();
