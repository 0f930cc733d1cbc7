#pragma once
// The loupe beside the pointer while a picker waits, without windows: which screen pixels it
// shows and how large, where it sits on the monitor, the square a pick averages and its text.
#include "Color.h"
#include "color/ColorNotation.h"
#include "PixelRect.h"
#include "ZoomGeometry.h"

#include <string>
#include <vector>

// The sides of the square a pick averages, as the options offer them; 1 takes the one pixel.
constexpr int kSampleSides[] = {1, 3, 5};
bool IsSampleSide(int side);

// The square of that side centred on the point.
PixelRect SampleSquare(PixelPoint center, int side);
// The rounded mean of the capture's pixels inside the square: only pixels the capture holds
// count, so a square over the screen's edge takes the mean of those on it. Black when none do.
Argb MeanColor(const ScreenArea& capture, const PixelRect& square);

// At the base DPI: the magnified picture's side, the room round it inside the loupe, the room
// between the loupe and what it must not cover, and the width of each of the frame's two rings.
constexpr int kLoupeSide = 120;
constexpr int kLoupePadding = 4;
constexpr int kLoupeGap = 16;
constexpr int kLoupeRing = 1;

// The magnified picture: an odd number of screen pixels across, the pointer's in the middle,
// each a block of the magnified view's side, the whole centred in a square of the loupe's side.
struct LoupeView {
    PixelRect source; // the screen pixels shown
    int block;
    int side;   // of the square the picture is centred in
    int margin; // from that square's edge to the picture's

    // The view magnifying the source as the magnified view does.
    ZoomView AsZoomView() const {
        return {{source.left, source.top}, block, source.Width() * block, source.Height() * block};
    }
};
LoupeView LoupeViewAround(PixelPoint pointer, int dpi, int factor);
// The sampled square around the pointer in the square's coordinates, for its frame.
PixelRect FramedSquare(const LoupeView& view, int sampleSide);

// The colours of the loupe's face, the dark ring and the light one round the framed square.
constexpr Argb kLoupeFace{0xFFF0F0F0};
constexpr Argb kLoupeBorder{0xFF282828};
constexpr Argb kLoupeDarkRing{0xFF000000};
constexpr Argb kLoupeLightRing{0xFFFFFFFF};

// The loupe's face of that size without its text, rows top first: a one-pixel border round the
// face, the square at the padding dark where the picture leaves a margin, the magnified pixels
// (black off the capture), and round the sampled square the two rings, the dark one inside,
// over the neighbours' edges so that the colour inside stays whole.
std::vector<Argb> LoupeFace(const ScreenArea& capture, const LoupeView& view, int sampleSide, int dpi,
                            int width, int height);

// Where a loupe of that size sits beside the pointer: right of the area it must keep clear,
// else left of it, below or above, at the pointer's height (or its column), moved along that
// side to lie wholly on the monitor. Where no side has room, it is pushed onto the monitor.
PixelRect LoupePlace(PixelPoint pointer, int width, int height, const PixelRect& keepClear,
                     const PixelRect& monitor, int gap);

// The text beneath the pixels: the colour in the marked notation, then the pointer's place.
std::wstring LoupeText(ColorNotation notation, ColorRef color, PixelPoint pointer);
