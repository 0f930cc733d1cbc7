#include "logic/ZoomGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A screen of distinct colours: pixel (x, y) is 0xFF00xxyy for small coordinates.
ScreenArea PatternCapture(const PixelRect& area) {
    ScreenArea capture{area, {}};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            capture.pixels.push_back(
                Argb{0xFF000000u | static_cast<std::uint32_t>((x & 0xFFF) << 12 | (y & 0xFFF))});
    return capture;
}

Argb PixelOf(const std::vector<Argb>& image, int x, int y) {
    return image[static_cast<size_t>(y * kZoomWidth + x)];
}

TEST(ZoomGeometry, ZoomPixelsMapToTheSourceAroundTheClick) {
    const struct {
        PixelPoint click, zoom, source;
    } cases[] = {
        {{500, 300}, {0, 0}, {478, 284}},
        {{500, 300}, {3, 3}, {478, 284}},
        {{500, 300}, {4, 0}, {479, 284}},
        {{500, 300}, {88, 64}, {500, 300}},
        {{500, 300}, {91, 67}, {500, 300}},
        {{500, 300}, {175, 127}, {521, 315}},
        {{0, 0}, {88, 64}, {0, 0}},
        {{0, 0}, {0, 0}, {-22, -16}},
        {{-1920, -40}, {92, 68}, {-1919, -39}},
    };
    for (const auto& item : cases)
        EXPECT_EQ(ZoomViewAround(item.click).SourceOf(item.zoom), item.source) << item.zoom.x << "," << item.zoom.y;
    // Room for the view at x2 to follow the pointer anywhere inside it.
    EXPECT_EQ(ZoomCaptureArea({500, 300}), (PixelRect{412, 236, 588, 364}));
}

TEST(ZoomGeometry, DisplayPointsLandInTheCentredImageAndTheMarginIsOutside) {
    EXPECT_EQ(ZoomImageOffset(180, 130), (PixelPoint{2, 1}));
    EXPECT_EQ(ZoomImageOffset(181, 131), (PixelPoint{2, 1})); // truncating
    const struct {
        PixelPoint display;
        bool inside;
        PixelPoint zoom;
    } cases[] = {
        {{90, 65}, true, {88, 64}}, {{2, 1}, true, {0, 0}}, {{177, 128}, true, {175, 127}},
        {{0, 0}, false, {}},        {{1, 60}, false, {}},   {{178, 60}, false, {}},
        {{90, 129}, false, {}},     {{-5, 60}, false, {}},
    };
    for (const auto& item : cases) {
        const auto zoom = ZoomPixelAt(180, 130, item.display);
        ASSERT_EQ(zoom.has_value(), item.inside) << item.display.x << "," << item.display.y;
        if (item.inside) {
            EXPECT_EQ(*zoom, item.zoom);
        }
    }
}

TEST(ZoomGeometry, EverySourcePixelBecomesAnExactFourByFourBlock) {
    const PixelPoint click{500, 300};
    const ScreenArea capture = PatternCapture(ZoomCaptureArea(click));
    const std::vector<Argb> image = Magnify(capture, ZoomViewAround(click));
    ASSERT_EQ(image.size(), static_cast<size_t>(kZoomWidth * kZoomHeight));
    for (int v = 0; v < kZoomHeight; ++v)
        for (int u = 0; u < kZoomWidth; ++u)
            ASSERT_EQ(PixelOf(image, u, v), capture.At(ZoomViewAround(click).SourceOf({u, v}))) << u << "," << v;
    for (int v = 64; v < 68; ++v)
        for (int u = 88; u < 92; ++u)
            EXPECT_EQ(PixelOf(image, u, v), capture.At(click));
}

TEST(ZoomGeometry, BlocksOutsideTheCaptureStayBlack) {
    // A click at the top left corner of a screen that starts at (0, 0): the capture is clipped.
    const PixelPoint click{0, 0};
    const ScreenArea capture = PatternCapture(Intersect(ZoomCaptureArea(click), PixelRect{0, 0, 1024, 768}));
    EXPECT_EQ(capture.area, (PixelRect{0, 0, 88, 64}));
    const std::vector<Argb> image = Magnify(capture, ZoomViewAround(click));
    for (int v = 0; v < kZoomHeight; ++v)
        for (int u = 0; u < kZoomWidth; ++u) {
            const bool onScreen = u >= 88 && v >= 64;
            const Argb expected = onScreen ? capture.At(ZoomViewAround(click).SourceOf({u, v})) : kZoomBlack;
            ASSERT_EQ(PixelOf(image, u, v), expected) << u << "," << v;
        }
    EXPECT_EQ(PixelOf(image, 88, 64), capture.At({0, 0}));
}

TEST(ZoomGeometry, ACaptureOffTheScreenGivesAllBlack) {
    const ScreenArea capture{Intersect(ZoomCaptureArea({5000, 5000}), PixelRect{0, 0, 1024, 768}), {}};
    EXPECT_TRUE(capture.area.IsEmpty());
    for (Argb pixel : Magnify(capture, ZoomViewAround({5000, 5000})))
        ASSERT_EQ(pixel, kZoomBlack);
}

TEST(ZoomGeometry, ScreensLeftOfAndAboveThePrimaryAreMagnifiedToo) {
    // A virtual screen from (-1920, -200): a click near its corner keeps all pixels on it.
    const PixelRect virtualScreen{-1920, -200, 1024, 768};
    const PixelPoint click{-1900, -190};
    const ScreenArea capture = PatternCapture(Intersect(ZoomCaptureArea(click), virtualScreen));
    EXPECT_EQ(capture.area, (PixelRect{-1920, -200, -1812, -126}));
    const std::vector<Argb> image = Magnify(capture, ZoomViewAround(click));
    EXPECT_EQ(PixelOf(image, 88, 64), capture.At(click));
    EXPECT_EQ(PixelOf(image, 8, 24), capture.At({-1920, -200}));
    EXPECT_EQ(PixelOf(image, 7, 24), kZoomBlack);
    EXPECT_EQ(PixelOf(image, 8, 23), kZoomBlack);
}

TEST(ZoomGeometry, GridHasFortyFourColumnsAndThirtyTwoRowsAndNoneOnTheFarEdges) {
    const std::vector<int> vertical = GridLines(kZoomWidth), horizontal = GridLines(kZoomHeight);
    ASSERT_EQ(vertical.size(), 44u);
    ASSERT_EQ(horizontal.size(), 32u);
    EXPECT_EQ(vertical.front(), 0);
    EXPECT_EQ(vertical.back(), 172);
    EXPECT_EQ(horizontal.back(), 124);
}

TEST(ZoomGeometry, GridBlendsItsColourOverThePixel) {
    const struct {
        std::uint32_t pixel, blended;
    } cases[] = {
        // 0x28 at 80/255 over each channel, rounded: (40 * 80 + c * 175 + 127) / 255.
        {0xFF000000, 0xFF0D0D0D},
        {0xFFFFFFFF, 0xFFBCBCBC},
        {0xFF282828, 0xFF282828},
        {0xFFFF0080, 0xFFBC0D64},
    };
    for (const auto& item : cases)
        EXPECT_EQ(BlendGrid(Argb{item.pixel}), Argb{item.blended}) << std::hex << item.pixel;
}

TEST(ZoomGeometry, GridCoversTheFirstColumnAndRowOfEachBlockOnly) {
    const Argb color{0xFF80C0FF};
    const std::vector<Argb> plain(static_cast<size_t>(kZoomWidth * kZoomHeight), color);
    const std::vector<Argb> gridded = WithGrid(plain, kZoomWidth, kZoomHeight);
    const Argb once = BlendGrid(color), twice = BlendGrid(once);
    for (int v = 0; v < kZoomHeight; ++v)
        for (int u = 0; u < kZoomWidth; ++u) {
            const int lines = (u % 4 == 0) + (v % 4 == 0);
            const Argb expected = lines == 2 ? twice : lines == 1 ? once : color;
            ASSERT_EQ(PixelOf(gridded, u, v), expected) << u << "," << v;
        }
    EXPECT_EQ(PixelOf(gridded, 175, 127), color);
}

} // namespace

namespace {

TEST(ZoomGeometry, FactorsStepThroughTheListAndStopAtItsEnds) {
    const struct {
        int factor, steps, stepped;
    } cases[] = {{4, 1, 6}, {4, 2, 8}, {4, -1, 3}, {3, -1, 2}, {2, -1, 2}, {12, 1, 16}, {16, 1, 16}, {5, 1, 6}};
    for (const auto& item : cases)
        EXPECT_EQ(StepZoomFactor(item.factor, item.steps), item.stepped) << item.factor << " " << item.steps;
}

// At every factor and DPI each block shows exactly its source pixel, the pixel under the
// pointer stays under it, and a view pushed against the copy's edge stays inside the copy.
TEST(ZoomGeometry, EveryFactorIsMadeFromTheOneCopyAndKeepsThePointedPixel) {
    const PixelPoint click{500, 300};
    for (int dpi : {96, 120, 144, 192}) {
        const ScreenArea capture = PatternCapture(ZoomCaptureArea(click, dpi));
        const ZoomView first = ZoomViewAround(click, dpi);
        for (int factor : kZoomFactors)
            for (const PixelPoint anchor : {PixelPoint{first.width / 2, first.height / 2}, PixelPoint{1, 1}}) {
                SCOPED_TRACE(std::to_string(dpi) + " x" + std::to_string(factor) + " at " + std::to_string(anchor.x));
                const ZoomView view = RezoomedView(first, dpi, factor, anchor, capture.area);
                EXPECT_EQ(view.block, std::max(1, factor * dpi / 96));
                EXPECT_EQ(view.SourceOf(anchor), first.SourceOf(anchor));
                const ZoomView widest = RezoomedView(view, dpi, 2, {first.width - 1, first.height - 1}, capture.area);
                EXPECT_TRUE(capture.area.Contains(widest.SourceOf({first.width - 1, first.height - 1})));
                EXPECT_TRUE(capture.area.Contains(widest.origin));
                const std::vector<Argb> image = Magnify(capture, view);
                for (int v = 0; v < view.height; ++v)
                    for (int u = 0; u < view.width; ++u)
                        ASSERT_EQ(image[static_cast<size_t>(v * view.width + u)], capture.At(view.SourceOf({u, v})));
            }
    }
}

} // namespace
