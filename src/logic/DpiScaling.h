#pragma once
// Pixel measures of the layout at the base DPI scaled to the window's DPI, without windows.
#include "Color.h"
#include "PixelRect.h"

#include <cstddef>
#include <vector>

// The DPI at which a logical pixel is a screen pixel: the layout's measures are given at it.
constexpr int kBaseDpi = 96;

// A measure of the base-DPI layout at that DPI, halves rounded away from zero as MulDiv does:
// 27 pixels become 41 at 144 DPI. A DPI of 0 or less is taken as the base DPI.
int ScaleToDpi(int pixels, int dpi);
// The same from one DPI to another, for a window that moves between monitors.
int RescaleDpi(int pixels, int fromDpi, int toDpi);

// Each edge scaled on its own, so that rectangles that touch at the base DPI still touch.
PixelRect ScaleToDpi(const PixelRect& rect, int dpi);
PixelRect RescaleDpi(const PixelRect& rect, int fromDpi, int toDpi);

// The source pixel shown at a place along one side of a picture stretched by ScaleNearest:
// the one under the place's centre.
int NearestSource(int target, int sourceLength, int targetLength);

// The picture resampled to another size by the nearest pixel, so it stays sharp: every pixel
// of the result is one of the source, and a key colour survives as it is. Rows top first.
std::vector<Argb> ScaleNearest(const std::vector<Argb>& pixels, int width, int height, int newWidth,
                               int newHeight);
