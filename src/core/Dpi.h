#pragma once
// Pixel measures of the 96-DPI layout at the window's DPI, without windows.
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kBaseDpi = 96;

// A measure of the 96-DPI layout at that DPI, halves rounded away from zero as MulDiv does:
// 27 pixels become 41 at 144 DPI. A DPI of 0 or less is taken as 96.
int ScaleToDpi(int pixels, int dpi);
// The same from one DPI to another, for a window that moves between monitors.
int RescaleDpi(int pixels, int fromDpi, int toDpi);

// Right and bottom are exclusive.
struct LayoutRect {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const LayoutRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// Each edge scaled on its own, so that rectangles that touch at 96 DPI still touch.
LayoutRect ScaleToDpi(const LayoutRect& rect, int dpi);
LayoutRect RescaleDpi(const LayoutRect& rect, int fromDpi, int toDpi);
// Whether two rectangles share a pixel.
bool Overlap(const LayoutRect& a, const LayoutRect& b);

// The source pixel shown at a place along one side of a picture stretched by ScaleNearest:
// the one under the place's centre.
int NearestSource(int target, int sourceLength, int targetLength);

// The picture resampled to another size by the nearest pixel, so it stays sharp: every pixel
// of the result is one of the source, and a key colour survives as it is. Rows top first.
std::vector<std::uint32_t> ScaleNearest(const std::vector<std::uint32_t>& pixels, int width, int height,
                                        int newWidth, int newHeight);
