#pragma once
// The magnified view, without windows: which screen pixels it shows, where a click in the
// display lands in it, its 4 x 4 blocks and its grid.
#include "../core/Color.h"

#include <cstdint>
#include <optional>
#include <vector>

constexpr int kZoomFactor = 4;
constexpr int kZoomSourceWidth = 44;
constexpr int kZoomSourceHeight = 32;
constexpr int kZoomWidth = kZoomSourceWidth * kZoomFactor;   // 176
constexpr int kZoomHeight = kZoomSourceHeight * kZoomFactor; // 128
// The clicked pixel is this far into the source area, so it fills zoom pixels (88..91, 64..67).
constexpr int kZoomClickColumn = kZoomSourceWidth / 2;
constexpr int kZoomClickRow = kZoomSourceHeight / 2;
constexpr int kGridSpacing = kZoomFactor;
// Dark grey at about 31 % opacity: it outlines every block without hiding its colour.
constexpr Argb kGridColor = 0x50282828;
constexpr Argb kZoomBlack = 0xFF000000;

struct PixelPoint {
    int x;
    int y;
    bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};

// Right and bottom are exclusive.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right > left ? right - left : 0; }
    int Height() const { return bottom > top ? bottom - top : 0; }
    bool IsEmpty() const { return Width() == 0 || Height() == 0; }
    bool Contains(PixelPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const PixelRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// The overlap of two rectangles; empty (all zero) when they do not meet.
PixelRect Intersect(const PixelRect& a, const PixelRect& b);

// The 44 x 32 screen pixels shown around a clicked screen point.
PixelRect ZoomSourceArea(PixelPoint click);
// The screen pixel that zoom pixel (u, v) shows.
PixelPoint SourcePixelOf(PixelPoint click, PixelPoint zoomPixel);
// Where the magnified image sits in a display of that size: centred, truncating.
PixelPoint ZoomImageOffset(int displayWidth, int displayHeight);
// The zoom pixel under a point of the display, or nothing on the margin around the image.
std::optional<PixelPoint> ZoomPixelAt(int displayWidth, int displayHeight, PixelPoint displayPoint);

// Pixels copied from the screen: opaque ARGB rows, top first, covering `area` in screen
// coordinates. An empty area holds no pixels.
struct ScreenArea {
    PixelRect area{};
    std::vector<Argb> pixels;

    Argb At(PixelPoint screen) const {
        return pixels[static_cast<size_t>((screen.y - area.top) * area.Width() + (screen.x - area.left))];
    }
};

// The 176 x 128 magnified image around the click, rows top first: every source pixel an exact
// 4 x 4 block, and black where the source pixel is not in the capture (off the screen).
std::vector<Argb> Magnify(const ScreenArea& capture, PixelPoint click);

// The positions of the grid lines along one side: 0, 4, 8, ... below the length, so that
// every line is on a block's first column or row and none lies on the far edge.
std::vector<int> GridLines(int length);
// The grid colour laid once over an opaque pixel: source over, each channel rounded.
Argb BlendGrid(Argb pixel);
// The image with the grid over it. A pixel where a vertical and a horizontal line cross is
// covered by both and blended twice, as with the two strokes of a translucent pen.
std::vector<Argb> WithGrid(const std::vector<Argb>& image, int width, int height);
