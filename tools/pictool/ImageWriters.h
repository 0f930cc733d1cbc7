#pragma once
#include "PixImage.h"

#include <string>
#include <vector>

// Uncompressed 24-bit bottom-up bitmap; transparent and invert pixels are not allowed.
void WriteBmp(const PixImage& image, const std::string& path);
// Cursor with its hot spot: 256 colours with a mask, or monochrome (bitsPerPixel 1).
void WriteCursor(const PixImage& image, int bitsPerPixel, const std::string& path);
// Icon with one 32-bit image per picture, largest first.
void WriteIcon(const std::vector<PixImage>& images, const std::string& path);
