#include "logic/DpiScaling.h"
#include "logic/Loupe.h"

#include <gtest/gtest.h>

namespace {

// Pixel (x, y) of a screen whose red counts columns and green rows.
ScreenArea Screen(const PixelRect& area) {
    ScreenArea capture{area, {}};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            capture.pixels.push_back(ToArgb(MakeColorRef(x, y * 10, 7)));
    return capture;
}

TEST(Loupe, APickTakesTheRoundedMeanOfThePixelsOnTheScreen) {
    const ScreenArea screen = Screen({0, 0, 40, 20});
    const struct {
        PixelPoint pointer;
        int side;
        ColorRef mean;
    } cases[] = {
        {{5, 5}, 1, MakeColorRef(5, 50, 7)},
        {{5, 5}, 5, MakeColorRef(5, 50, 7)},
        {{0, 0}, 3, MakeColorRef(1, 5, 7)},      // 0.5 and 5: four pixels of nine on the screen
        {{39, 19}, 3, MakeColorRef(39, 185, 7)}, // 38.5 of columns 38 and 39, rounded up
        {{0, 10}, 5, MakeColorRef(1, 100, 7)},   // columns 0..2
    };
    for (const auto& item : cases)
        EXPECT_EQ(ToColorRef(MeanColor(screen, SampleSquare(item.pointer, item.side))), item.mean)
            << item.pointer.x << "," << item.pointer.y << " side " << item.side;
    EXPECT_EQ(MeanColor(screen, SampleSquare({-9, -9}, 5)), (Argb{0xFF000000}));
}

TEST(Loupe, ShowsAnOddSquareOfPixelsWithThePointersInTheMiddleAtEveryScale) {
    for (int dpi : {96, 120, 144, 192})
        for (int factor : kZoomFactors) {
            SCOPED_TRACE("dpi " + std::to_string(dpi) + " x" + std::to_string(factor));
            const LoupeView view = LoupeViewAround({100, 50}, dpi, factor);
            EXPECT_EQ(view.source.Width() % 2, 1);
            EXPECT_GE(view.source.Width(), 5); // room for the widest sample's frame
            EXPECT_EQ(view.source.left + view.source.Width() / 2, 100);
            EXPECT_EQ(view.source.top + view.source.Height() / 2, 50);
            EXPECT_LE(view.source.Width() * view.block, view.side);
            // The frame lies round the middle pixel, or the square, block for block.
            const PixelRect five = FramedSquare(view, 5);
            EXPECT_EQ(five.left, view.margin + (view.source.Width() / 2 - 2) * view.block);
            EXPECT_EQ(five.Width(), 5 * view.block);
        }
}

// The sampled square keeps its colours whole inside a dark ring inside a light one, at every scale.
TEST(Loupe, FaceFramesTheSampledSquareWithADarkAndALightRing) {
    for (int dpi : {96, 144}) {
        const LoupeView view = LoupeViewAround({20, 10}, dpi, kZoomFactor);
        const int padding = ScaleToDpi(kLoupePadding, dpi), ring = ScaleToDpi(kLoupeRing, dpi);
        const int width = view.side + 2 * padding, height = view.side + 40;
        const std::vector<Argb> face = LoupeFace(Screen({0, 0, 40, 20}), view, 3, dpi, width, height);
        const auto at = [&](int x, int y) { return face[static_cast<size_t>(y * width + x)]; };
        const PixelRect framed = FramedSquare(view, 3);
        const int x = padding + framed.left, y = padding + framed.top + framed.Height() / 2;
        EXPECT_EQ(at(x, y), ToArgb(MakeColorRef(19, 100, 7))) << dpi;
        EXPECT_EQ(at(x - 1, y), kLoupeDarkRing) << dpi;
        EXPECT_EQ(at(x - ring - 1, y), kLoupeLightRing) << dpi;
        EXPECT_EQ(at(x - 2 * ring - 1, y), ToArgb(MakeColorRef(18, 100, 7))) << dpi;
    }
}

TEST(Loupe, SitsBesideWhatItShowsWhollyOnTheMonitor) {
    const PixelRect monitor{-1920, 0, 0, 1080};
    const auto clear = [](PixelPoint p) { return SampleSquare(p, 61); };
    const struct {
        PixelPoint pointer;
        PixelRect place;
    } cases[] = {
        {{-1000, 500}, {-1000 + 31 + 16, 516, -1000 + 31 + 16 + 120, 516 + 160}}, // right
        {{-60, 500}, {-60 - 30 - 16 - 120, 516, -60 - 30 - 16, 516 + 160}},       // left, at the right edge
        {{-1000, 1070}, {-1000 + 47, 1080 - 160, -1000 + 47 + 120, 1080}},        // held up at the bottom
        {{-1920, 0}, {-1920 + 47, 16, -1920 + 167, 176}},                         // the corner
    };
    for (const auto& item : cases) {
        const PixelRect place = LoupePlace(item.pointer, 120, 160, clear(item.pointer), monitor, 16);
        EXPECT_EQ(place, item.place) << item.pointer.x << "," << item.pointer.y;
        EXPECT_TRUE(Intersect(place, clear(item.pointer)).IsEmpty());
    }
    // Too narrow for either side: below it, or above it near the bottom.
    const PixelRect narrow{0, 0, 200, 1000};
    EXPECT_EQ(LoupePlace({100, 100}, 120, 160, clear({100, 100}), narrow, 16),
              (PixelRect{80, 147, 200, 307}));
    EXPECT_EQ(LoupePlace({100, 900}, 120, 160, clear({100, 900}), narrow, 16),
              (PixelRect{80, 694, 200, 854}));
}

} // namespace
