#pragma once
// The magnified view, without windows: which screen pixels it shows, where a click in the
// display lands in it, its blocks (4 x 4 at the base DPI, larger at higher DPI) and its grid.
#include "Color.h"
#include "PixelRect.h"

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
constexpr Argb kGridColor{0x50282828};
constexpr Argb kZoomBlack{0xFF000000};

// The side of one block at that DPI: four times the DPI's scale, rounded down so the view
// always fits the scaled display, and whole, so every block is an exact square.
int ZoomBlockAt(int dpi);
// The width of a grid line over blocks of that side: one pixel up to blocks of 7.
int GridLineWidth(int block);

// The 44 x 32 screen pixels shown around a clicked screen point.
PixelRect ZoomSourceArea(PixelPoint click);
// The screen pixel that zoom pixel (u, v) shows.
PixelPoint SourcePixelOf(PixelPoint click, PixelPoint zoomPixel, int block = kZoomFactor);
// Where the magnified image sits in a display of that size: centred, truncating.
PixelPoint ZoomImageOffset(int displayWidth, int displayHeight, int block = kZoomFactor);
// The zoom pixel under a point of the display, or nothing on the margin around the image.
std::optional<PixelPoint> ZoomPixelAt(int displayWidth, int displayHeight, PixelPoint displayPoint,
                                      int block = kZoomFactor);

// Pixels copied from the screen: opaque ARGB rows, top first, covering `area` in screen
// coordinates. An empty area holds no pixels.
struct ScreenArea {
    PixelRect area{};
    std::vector<Argb> pixels;

    Argb At(PixelPoint screen) const {
        return pixels[static_cast<size_t>(screen.y - area.top) * static_cast<size_t>(area.Width()) +
                      static_cast<size_t>(screen.x - area.left)];
    }
};

// The magnified image around the click (176 x 128 with blocks of 4), rows top first: every
// source pixel an exact square block, and black where the source pixel is not in the capture
// (off the screen).
std::vector<Argb> Magnify(const ScreenArea& capture, PixelPoint click, int block = kZoomFactor);

// The positions of the grid lines along one side: 0, 4, 8, ... below the length, so that
// every line is on a block's first column or row and none lies on the far edge.
std::vector<int> GridLines(int length, int spacing = kGridSpacing);
// The grid colour laid once over an opaque pixel: source over, each channel rounded.
Argb BlendGrid(Argb pixel);
// The image with the grid over it, one line on the first columns and rows of every block. A
// pixel where a vertical and a horizontal line cross is covered by both and blended twice, as
// with the two strokes of a translucent pen.
std::vector<Argb> WithGrid(const std::vector<Argb>& image, int width, int height, int block = kZoomFactor);
