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
        EXPECT_EQ(SourcePixelOf(item.click, item.zoom), item.source) << item.zoom.x << "," << item.zoom.y;
    EXPECT_EQ(ZoomSourceArea({500, 300}), (PixelRect{478, 284, 522, 316}));
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
    const ScreenArea capture = PatternCapture(ZoomSourceArea(click));
    const std::vector<Argb> image = Magnify(capture, click);
    ASSERT_EQ(image.size(), static_cast<size_t>(kZoomWidth * kZoomHeight));
    for (int v = 0; v < kZoomHeight; ++v)
        for (int u = 0; u < kZoomWidth; ++u)
            ASSERT_EQ(PixelOf(image, u, v), capture.At(SourcePixelOf(click, {u, v}))) << u << "," << v;
    for (int v = 64; v < 68; ++v)
        for (int u = 88; u < 92; ++u)
            EXPECT_EQ(PixelOf(image, u, v), capture.At(click));
}

TEST(ZoomGeometry, BlocksOutsideTheCaptureStayBlack) {
    // A click at the top left corner of a screen that starts at (0, 0): the capture is clipped.
    const PixelPoint click{0, 0};
    const ScreenArea capture = PatternCapture(Intersect(ZoomSourceArea(click), PixelRect{0, 0, 1024, 768}));
    EXPECT_EQ(capture.area, (PixelRect{0, 0, 22, 16}));
    const std::vector<Argb> image = Magnify(capture, click);
    for (int v = 0; v < kZoomHeight; ++v)
        for (int u = 0; u < kZoomWidth; ++u) {
            const bool onScreen = u >= 88 && v >= 64;
            const Argb expected = onScreen ? capture.At(SourcePixelOf(click, {u, v})) : kZoomBlack;
            ASSERT_EQ(PixelOf(image, u, v), expected) << u << "," << v;
        }
    EXPECT_EQ(PixelOf(image, 88, 64), capture.At({0, 0}));
}

TEST(ZoomGeometry, ACaptureOffTheScreenGivesAllBlack) {
    const ScreenArea capture{Intersect(ZoomSourceArea({5000, 5000}), PixelRect{0, 0, 1024, 768}), {}};
    EXPECT_TRUE(capture.area.IsEmpty());
    for (Argb pixel : Magnify(capture, {5000, 5000}))
        ASSERT_EQ(pixel, kZoomBlack);
}

TEST(ZoomGeometry, ScreensLeftOfAndAboveThePrimaryAreMagnifiedToo) {
    // A virtual screen from (-1920, -200): a click near its corner keeps all pixels on it.
    const PixelRect virtualScreen{-1920, -200, 1024, 768};
    const PixelPoint click{-1900, -190};
    const ScreenArea capture = PatternCapture(Intersect(ZoomSourceArea(click), virtualScreen));
    EXPECT_EQ(capture.area, (PixelRect{-1920, -200, -1878, -174}));
    const std::vector<Argb> image = Magnify(capture, click);
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
