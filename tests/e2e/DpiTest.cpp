// The main window at the screen's DPI: the same checks pass at 96 DPI in the usual session and
// at 144 and 192 DPI in sessions of their own.
#include "Driver.h"
#include "PatternWindow.h"
#include "app/MainLayout.h"
#include "color/ColorNotation.h"
#include "display/ZoomGeometry.h"
#include "ui/PanelLayout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace e2e;

// The tests read and click physical pixels, as the program does; an unaware process would be
// handed coordinates scaled to 96 DPI. This runs before any test.
const bool kDpiAware = [] {
    using SetContextFunction = BOOL WINAPI(HANDLE);
    const auto setContext = reinterpret_cast<SetContextFunction*>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    const auto perMonitorV2 = reinterpret_cast<HANDLE>(-4); // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    return (setContext && setContext(perMonitorV2)) || SetProcessDPIAware();
}();

constexpr int kDisplay = 1000, kToolPanel = 1001, kRgbText = 1003;
constexpr int kLocks[] = {1002, 1003, 1004};
constexpr int kPickerButton = 5001, kZoomButton = 5002;
constexpr POINT kZoomClick{30, 20};

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

PixelRect ToPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

class ScaledLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearSettings();
        ASSERT_TRUE(kDpiAware);
        ASSERT_TRUE(tintra.Start());
    }
    void TearDown() override {
        if (tintra.IsRunning()) {
            EXPECT_EQ(tintra.CloseAndWait(), 0);
        }
        ClearSettings();
    }
    bool Waiting() const { return CaptureOf(tintra.MainWindow()) == tintra.MainWindow(); }
    ::testing::AssertionResult StartMode(int buttonId) {
        const HWND button = tintra.PanelButton(buttonId);
        RECT rect;
        GetClientRect(button, &rect);
        return ClickFor(button, rect.right / 3, rect.bottom / 2,
                        "the main window holding the mouse for the mode", [&] { return Waiting(); });
    }
    bool RgbReads(COLORREF color) const {
        const std::wstring expected = NotationText(ColorNotation::Rgb, color);
        return WaitFor([&] { return tintra.InfoText(kRgbText) == expected; });
    }

    const int dpi = ScreenDpi();
    const MainLayout layout = MainLayoutAt(dpi);
    TintraProcess tintra;
};

TEST_F(ScaledLayout, EveryPixelMeasureFollowsTheScreensDpi) {
    const HWND main = tintra.MainWindow();
    RECT client;
    GetClientRect(main, &client);
    std::printf("client size at %d DPI: %ld x %ld\n", dpi, client.right, client.bottom);
    RecordProperty("client_size", std::to_string(client.right) + " x " + std::to_string(client.bottom));

    EXPECT_EQ(ToPixelRect(RectInParent(tintra.Control(kDisplay))), layout.colorDisplay);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(ToPixelRect(RectInParent(tintra.Control(kLocks[i]))), layout.locks[i]) << i;
    const RECT info = RectInParent(tintra.InfoPanel());
    EXPECT_EQ(info.left, layout.infoLeft);
    EXPECT_EQ(info.top, layout.infoTop);
    EXPECT_EQ(ToPixelRect(RectInParent(tintra.Control(kToolPanel))),
              (PixelRect{0, client.bottom - layout.toolPanelHeight, client.right, client.bottom}));
    for (int i = 0; i < kToolButtonCount; ++i)
        EXPECT_EQ(ToPixelRect(RectInParent(tintra.PanelButton(5000 + i))),
                  ToolButtonRect(i, layout.toolPanelHeight, dpi))
            << i;
}

TEST_F(ScaledLayout, PickingReadsTheExactPixelAndTheViewShowsExactBlocks) {
    RECT main;
    GetWindowRect(tintra.MainWindow(), &main);
    PatternWindow pattern;
    ASSERT_TRUE(pattern.Show(POINT{main.right + 40, main.top + 40}));

    for (POINT at : {POINT{0, 0}, POINT{17, 9}, POINT{63, 47}}) {
        SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
        ASSERT_TRUE(StartMode(kPickerButton));
        ClickAt(pattern.ScreenPointOf(at.x, at.y));
        EXPECT_TRUE(RgbReads(PatternWindow::ColorAt(at.x, at.y)));
    }

    const int block = ZoomBlockAt(dpi);
    const int width = kZoomSourceWidth * block, height = kZoomSourceHeight * block;
    ScreenArea capture{ZoomSourceArea({kZoomClick.x, kZoomClick.y}), {}};
    for (int y = capture.area.top; y < capture.area.bottom; ++y)
        for (int x = capture.area.left; x < capture.area.right; ++x)
            capture.pixels.push_back(ToArgb(PatternWindow::ColorAt(x, y)));
    const std::vector<Argb> image =
        WithGrid(Magnify(capture, {kZoomClick.x, kZoomClick.y}, block), width, height, block);
    // The part of the view inside the display's frame, as the screen shows it and as expected.
    const HWND display = tintra.Control(kDisplay);
    const PixelPoint offset =
        ZoomImageOffset(layout.colorDisplay.Width(), layout.colorDisplay.Height(), block);
    const int frame = ScaleToDpi(4, dpi) / 2 + 1;
    const PixelRect visible = Intersect(
        PixelRect{offset.x, offset.y, offset.x + width, offset.y + height},
        PixelRect{frame, frame, layout.colorDisplay.Width() - frame, layout.colorDisplay.Height() - frame});
    std::vector<Argb> expected;
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x)
            expected.push_back(image[static_cast<size_t>((y - offset.y) * width + x - offset.x)]);

    ASSERT_TRUE(StartMode(kZoomButton));
    ClickAt(pattern.ScreenPointOf(kZoomClick.x, kZoomClick.y));
    EXPECT_TRUE(WaitFor([&] {
        return ScreenPixels(display, RECT{visible.left, visible.top, visible.right, visible.bottom}) ==
               expected;
    }));
    // The middle of the block at the centre of the view is the pixel clicked on the screen.
    const int x = offset.x + kZoomClickColumn * block + block / 2,
              y = offset.y + kZoomClickRow * block + block / 2;
    EXPECT_TRUE(ClickFor(display, x, y, "the clicked pixel's colour in the RGB row", [&] {
        return tintra.InfoText(kRgbText) ==
               NotationText(ColorNotation::Rgb, PatternWindow::ColorAt(kZoomClick.x, kZoomClick.y));
    }));
}

} // namespace
