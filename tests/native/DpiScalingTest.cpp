#include "logic/MainLayout.h"
#include "logic/DpiScaling.h"
#include "logic/PaneLayout.h"
#include "logic/ZoomGeometry.h"
#include "logic/ToolPanelLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kDpis[] = {96, 108, 120, 144, 168, 192, 240, 288};

TEST(Dpi, MeasuresScaleWithHalvesRoundedAwayFromZero) {
    const struct {
        int pixels, dpi, scaled;
    } cases[] = {
        {27, 96, 27}, {27, 120, 34}, {27, 144, 41}, {27, 192, 54},   {9, 144, 14},    {11, 144, 17},
        {1, 144, 2},  {1, 120, 1},   {-3, 144, -5}, {180, 144, 270}, {130, 144, 195}, {27, 0, 27},
    };
    for (const auto& item : cases)
        EXPECT_EQ(ScaleToDpi(item.pixels, item.dpi), item.scaled) << item.pixels << " at " << item.dpi;
    EXPECT_EQ(RescaleDpi(41, 144, 96), 27);
    EXPECT_EQ(RescaleDpi(270, 144, 192), 360);
}

TEST(Dpi, RectanglesThatTouchKeepTouching) {
    const PixelRect left{3, 3, 89, 64}, right{89, 3, 176, 64};
    for (int dpi : kDpis) {
        const PixelRect a = ScaleToDpi(left, dpi), b = ScaleToDpi(right, dpi);
        EXPECT_EQ(a.right, b.left) << dpi;
        EXPECT_TRUE(Intersect(a, b).IsEmpty()) << dpi;
    }
    EXPECT_FALSE(Intersect({0, 0, 10, 10}, {9, 9, 20, 20}).IsEmpty());
    EXPECT_TRUE(Intersect({0, 0, 10, 10}, {0, 10, 10, 20}).IsEmpty());
}

TEST(Dpi, MainWindowLayoutScalesAndNothingOverlaps) {
    const MainLayout at96 = MainLayoutAt(96);
    EXPECT_EQ(at96.colorDisplay, (PixelRect{8, 10, 188, 140}));
    EXPECT_EQ(at96.locks[0], (PixelRect{202, 8, 211, 19}));
    EXPECT_EQ(at96.locks[2], (PixelRect{256, 8, 265, 19}));
    EXPECT_EQ(at96.infoTop - at96.colorDisplay.bottom, at96.stackGap);
    EXPECT_EQ(at96.toolPanelHeight, 27);

    const MainLayout at144 = MainLayoutAt(144);
    EXPECT_EQ(at144.colorDisplay.Width(), 270);
    EXPECT_EQ(at144.colorDisplay.Height(), 195);
    EXPECT_EQ(at144.toolPanelHeight, 41);
    EXPECT_EQ(at144.locks[1], (PixelRect{344, 12, 357, 29}));

    for (int dpi : kDpis) {
        const MainLayout layout = MainLayoutAt(dpi);
        SCOPED_TRACE(dpi);
        EXPECT_GT(layout.stackGap, 0);
        EXPECT_GE(layout.infoTop, layout.colorDisplay.bottom);
        for (size_t i = 0; i < layout.locks.size(); ++i) {
            EXPECT_TRUE(Intersect(layout.locks[i], layout.colorDisplay).IsEmpty());
            if (i > 0) {
                EXPECT_GT(layout.locks[i].left, layout.locks[i - 1].right);
            }
        }
    }
}

TEST(Dpi, ToolButtonsScaleInsideTheirPanelWithTheirGaps) {
    const int lefts96[] = {6, 38, 70, 102, 141, 173, 205, 244};
    for (int i = 0; i < kToolButtonCount; ++i)
        EXPECT_EQ(ToolButtonRect(i, 27, 96), (PixelRect{lefts96[i], 4, lefts96[i] + 28, 24})) << i;
    EXPECT_EQ(ToolButtonRect(0, 41, 144), (PixelRect{9, 6, 51, 36}));
    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        const int height = ScaleToDpi(27, dpi);
        for (int i = 0; i < kToolButtonCount; ++i) {
            const PixelRect button = ToolButtonRect(i, height, dpi);
            EXPECT_GT(button.top, 0); // below the separator line
            EXPECT_LE(button.bottom, height);
            if (i > 0) {
                EXPECT_LT(ToolButtonRect(i - 1, height, dpi).right, button.left);
            }
        }
    }
}

TEST(Dpi, ZoomBlocksAreWholeAndTheViewFitsTheScaledDisplay) {
    const struct {
        int dpi, block, lineWidth;
    } cases[] = {{96, 4, 1}, {108, 4, 1}, {120, 5, 1}, {144, 6, 1}, {168, 7, 1}, {192, 8, 2}, {288, 12, 3}};
    for (const auto& item : cases) {
        SCOPED_TRACE(item.dpi);
        EXPECT_EQ(ZoomBlockAt(item.dpi), item.block);
        EXPECT_EQ(GridLineWidth(item.block), item.lineWidth);
        const PixelRect display = MainLayoutAt(item.dpi).colorDisplay;
        EXPECT_LE(kZoomSourceWidth * item.block, display.Width());
        EXPECT_LE(kZoomSourceHeight * item.block, display.Height());
    }
    EXPECT_EQ(ZoomImageOffset(270, 195, 6), (PixelPoint{3, 1}));
    EXPECT_EQ(ZoomImageOffset(360, 260, 8), (PixelPoint{4, 2}));
}

// Also on a monitor left of and above the primary one, where screen coordinates are negative.
TEST(Dpi, MagnifiedBlocksAreExactSquaresAroundTheClickedPixel) {
    for (const PixelPoint click : {PixelPoint{100, 50}, PixelPoint{-1900, -30}})
        for (int dpi : {120, 144, 192}) {
            SCOPED_TRACE(std::to_string(click.x) + " at " + std::to_string(dpi));
            const ZoomView view = ZoomViewAround(click, dpi);
            const int block = view.block;
            ScreenArea capture{ZoomCaptureArea(click, dpi), {}};
            for (int y = capture.area.top; y < capture.area.bottom; ++y)
                for (int x = capture.area.left; x < capture.area.right; ++x)
                    capture.pixels.push_back(
                        Argb{0xFF000000u | static_cast<std::uint32_t>((x & 0xFFF) << 12 | (y & 0xFFF))});
            const int width = kZoomSourceWidth * block, height = kZoomSourceHeight * block;
            const std::vector<Argb> image = Magnify(capture, view);
            ASSERT_EQ(image.size(), static_cast<size_t>(width * height));
            for (int v = 0; v < height; ++v)
                for (int u = 0; u < width; ++u) {
                    const PixelPoint source = view.SourceOf({u, v});
                    ASSERT_EQ(image[static_cast<size_t>(v * width + u)], capture.At(source)) << u << "," << v;
                }
            // The clicked pixel fills the block at the centre of the view.
            const Argb clicked = capture.At(click);
            EXPECT_EQ(image[static_cast<size_t>(kZoomSourceHeight / 2 * block * width + kZoomSourceWidth / 2 * block)],
                      clicked);
            EXPECT_EQ(
                view.SourceOf({kZoomSourceWidth / 2 * block + block - 1, kZoomSourceHeight / 2 * block}),
                click);
            const auto offset = ZoomImageOffset(width + 6, height + 3, block);
            EXPECT_EQ(ZoomPixelAt(width + 6, height + 3, {offset.x + width - 1, offset.y}, block),
                      (PixelPoint{width - 1, 0}));
            EXPECT_FALSE(ZoomPixelAt(width + 6, height + 3, {offset.x + width, offset.y}, block));
        }
}

TEST(Dpi, GridLinesThickenWithLargeBlocksAndStayOnEachBlocksFirstPixels) {
    const int block = 8, width = kZoomSourceWidth * block, height = kZoomSourceHeight * block;
    const std::vector<Argb> white(static_cast<size_t>(width * height), Argb{0xFFFFFFFF});
    const std::vector<Argb> gridded = WithGrid(white, width, height, block, GridLineWidth(block));
    auto at = [&](int x, int y) { return gridded[static_cast<size_t>(y * width + x)]; };
    const Argb line = BlendGrid(white[0]);
    for (int x = 0; x < width; ++x) {
        const bool onLine = x % block < 2;
        EXPECT_EQ(at(x, 5), onLine ? line : white[0]) << x;
    }
    EXPECT_EQ(at(0, 0), BlendGrid(line)); // crossed by both
    EXPECT_EQ(at(width - 1, height - 1), white[0]);
}

TEST(Dpi, PaneMarginsGrowWithTheDpi) {
    EXPECT_EQ(LayoutPanes(4, 180, 130), LayoutPanes(4, 180, 130, 96));
    const std::vector<PixelRect> panes = LayoutPanes(4, 270, 195, 144);
    EXPECT_EQ(panes[0], (PixelRect{5, 5, 133, 95}));
    EXPECT_EQ(panes[3], (PixelRect{137, 99, 264, 189}));
}

TEST(Dpi, NearestScalingKeepsEveryPixelAndEveryKeyColour) {
    // A 3 x 2 picture of distinct colours, one of them the key.
    const Argb a{1}, b{2}, key{0xFFFF0000}, d{4}, e{5}, f{6};
    const std::vector<Argb> picture = {a, b, key, d, e, f};
    EXPECT_EQ(ScaleNearest(picture, 3, 2, 3, 2), picture);
    EXPECT_EQ(
        ScaleNearest(picture, 3, 2, 6, 4),
        (std::vector<Argb>{a, a, b, b, key, key, a, a, b, b, key, key, d, d, e, e, f, f, d, d, e, e, f, f}));
    // At one and a half the size, no colour is blended and none is lost.
    const std::vector<Argb> larger = ScaleNearest(picture, 3, 2, 5, 3);
    ASSERT_EQ(larger.size(), 15u);
    EXPECT_EQ(std::set<Argb>(larger.begin(), larger.end()), std::set<Argb>(picture.begin(), picture.end()));
    EXPECT_TRUE(ScaleNearest(picture, 3, 2, 0, 4).empty());
    EXPECT_TRUE(ScaleNearest({a, b}, 3, 2, 6, 4).empty());
}

} // namespace
