#pragma once
// The magnified view, without windows: which screen pixels it shows at which factor, where a
// click in the display lands in it, its blocks (the factor's side at the base DPI, larger at
// higher DPI) and its grid.
#include "Color.h"
#include "DpiScaling.h"
#include "PixelRect.h"

#include <cstdint>
#include <optional>
#include <vector>

// The factor a view starts at unless another was chosen, and the ones the user steps through.
constexpr int kZoomFactor = 4;
constexpr int kZoomFactors[] = {2, 3, 4, 6, 8, 12, 16};
// At these factors and above the blocks are large enough to take a grid.
constexpr int kGridMinFactor = 4;
// The screen pixels the view shows at the starting factor; the view keeps this size at all factors.
constexpr int kZoomSourceWidth = 44;
constexpr int kZoomSourceHeight = 32;
constexpr int kZoomWidth = kZoomSourceWidth * kZoomFactor;   // 176
constexpr int kZoomHeight = kZoomSourceHeight * kZoomFactor; // 128
// Dark grey at about 31 % opacity: it outlines every block without hiding its colour.
constexpr Argb kGridColor{0x50282828};
constexpr Argb kZoomBlack{0xFF000000};

bool IsZoomFactor(int factor);
// The factor that many steps up (or down, negative) from this one, held at the ends; an unknown
// factor steps from the starting one.
int StepZoomFactor(int factor, int steps);

// The side of one block at that DPI and factor: scaled by the DPI, rounded down so the view
// always fits the scaled display, and whole, so every block is an exact square.
int ZoomBlockAt(int dpi, int factor = kZoomFactor);
// The width of a grid line over blocks of that side at the starting factor: one pixel up to 7.
int GridLineWidth(int block);

// What the view shows: the screen pixel in its top left block, the side of a block and the
// image's size, which a block need not divide (the last column and row may be cut).
struct ZoomView {
    PixelPoint origin{};
    int block = kZoomFactor;
    int width = kZoomWidth;
    int height = kZoomHeight;

    // The screen pixel that zoom pixel (u, v) shows.
    PixelPoint SourceOf(PixelPoint zoomPixel) const {
        return {origin.x + zoomPixel.x / block, origin.y + zoomPixel.y / block};
    }
};

// The view at that DPI and factor with the clicked pixel's block at its centre.
ZoomView ZoomViewAround(PixelPoint click, int dpi = kBaseDpi, int factor = kZoomFactor);
// The screen pixels copied for a view around the click: room for the view at the smallest
// factor to follow the pointer, so that every factor is made from the one copy.
PixelRect ZoomCaptureArea(PixelPoint click, int dpi = kBaseDpi);
// The view at another factor with the source pixel under `anchor` (a zoom pixel) still under it,
// shifted as little as needed to stay inside `captured`.
ZoomView RezoomedView(const ZoomView& view, int dpi, int factor, PixelPoint anchor, const PixelRect& captured);
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

// The view's image, rows top first: every source pixel a square block, and black where the
// source pixel is not in the capture (off the screen).
std::vector<Argb> Magnify(const ScreenArea& capture, const ZoomView& view);

// The positions of the grid lines along one side: 0, 4, 8, ... below the length, so that
// every line is on a block's first column or row and none lies on the far edge.
std::vector<int> GridLines(int length, int spacing = kZoomFactor);
// The grid colour laid once over an opaque pixel: source over, each channel rounded.
Argb BlendGrid(Argb pixel);
// The image with the grid over it, lines of that width on the first columns and rows of every
// block. A pixel where a vertical and a horizontal line cross is covered by both and blended
// twice, as with the two strokes of a translucent pen.
std::vector<Argb> WithGrid(const std::vector<Argb>& image, int width, int height, int block = kZoomFactor,
                           int lineWidth = 1);
