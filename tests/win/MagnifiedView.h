#pragma once
// The colour display's magnified view as its user and a screen reader find it.
#include "AccessibleReader.h"
#include "logic/DpiScaling.h"
#include "logic/ZoomGeometry.h"
#include "ui/CanvasWindow.h"
#include "ui/Pictures.h"

#include <gtest/gtest.h>

#include <vector>

// In zoom mode the display is a picture, otherwise the list of panes; anything else fails the test.
inline bool ShowsMagnifiedView(HWND display) {
    const long role = AccessibleReader(display).Role();
    EXPECT_TRUE(role == ROLE_SYSTEM_GRAPHIC || role == ROLE_SYSTEM_LIST) << "the display's role is " << role;
    return role == ROLE_SYSTEM_GRAPHIC;
}

// Whether the display shows the copy magnified around the click in the blocks of that DPI, with or
// without the grid, pixel for pixel wherever the display's frame (its inner half 2 pixels wide at
// the base DPI) leaves it visible.
inline ::testing::AssertionResult ShowsView(const ui::CanvasWindow& display, const ScreenArea& capture,
                                            POINT click, bool grid, int dpi) {
    const int block = ZoomBlockAt(dpi);
    const int width = kZoomSourceWidth * block, height = kZoomSourceHeight * block;
    std::vector<Argb> image = Magnify(capture, ZoomViewAround({click.x, click.y}, dpi));
    if (grid)
        image = WithGrid(image, width, height, block, GridLineWidth(block));
    Gdiplus::Bitmap* canvas = display.Canvas();
    const auto canvasWidth = static_cast<int>(canvas->GetWidth());
    const auto canvasHeight = static_cast<int>(canvas->GetHeight());
    const std::vector<Argb> shown = ui::ReadPixels(canvas);
    if (shown.size() != static_cast<size_t>(canvasWidth) * static_cast<size_t>(canvasHeight))
        return ::testing::AssertionFailure() << "the canvas cannot be read";
    const PixelPoint offset = ZoomImageOffset(canvasWidth, canvasHeight, block);
    const int frame = ScaleToDpi(2, dpi);
    for (int v = 0; v < height; ++v)
        for (int u = 0; u < width; ++u) {
            const int x = offset.x + u, y = offset.y + v;
            if (x < frame || y < frame || x >= canvasWidth - frame || y >= canvasHeight - frame)
                continue;
            const Argb at = shown[static_cast<size_t>(y * canvasWidth + x)];
            const Argb expected = image[static_cast<size_t>(v * width + u)];
            if (at != expected)
                return ::testing::AssertionFailure()
                       << (::testing::Message() << "zoom pixel " << u << "," << v << " is " << std::hex
                                                << static_cast<std::uint32_t>(at) << ", not "
                                                << static_cast<std::uint32_t>(expected));
        }
    return ::testing::AssertionSuccess();
}
