#include "ChildHost.h"
#include "FakeScreenDisplay.h"
#include "MagnifiedView.h"
#include "WindowTestSupport.h"
#include "win/Colors.h"
#include "win/PrivateMessages.h"

#include <gtest/gtest.h>

namespace {

constexpr Argb kRed{0xFFDE0000};
constexpr Argb kOutline{0xFF323232};

class ColorDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(display.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                   RECT{8, 10, 188, 140}, host.Hwnd(), 1000));
        display.SetPaneCount(4);
        for (int i = 0; i < 4; ++i)
            display.SetPaneColor(i, Argb{0xFF100000u * static_cast<std::uint32_t>(i + 1) | 0xFF000000u});
    }

    Argb Pixel(int x, int y) const { return PixelOf(*display.Canvas(), x, y); }
    void Click(int x, int y) {
        SendMessageW(display.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PumpPending();
    }
    void Key(WPARAM key) {
        MSG msg{display.Hwnd(), WM_KEYDOWN, key, 0};
        EXPECT_TRUE(display.PreTranslateMessage(&msg));
        PumpPending();
    }

    win::GdiplusSession gdiplus;
    ChildHost host;
    FakeScreenDisplay display;
};

TEST_F(ColorDisplayTest, ClickMakesThePaneActiveDrawsTheRedFrameAndTellsTheParent) {
    EXPECT_EQ(Pixel(91, 80), kOutline);
    Click(130, 100);
    EXPECT_EQ(display.GetActivePane(), 3);
    EXPECT_EQ(Pixel(91, 80), kRed);
    EXPECT_EQ(Pixel(90, 80), kRed); // the 2-pixel pen is centred on the outline
    EXPECT_EQ(Pixel(92, 80), display.GetPaneColor(3));
    EXPECT_EQ(Pixel(130, 100), display.GetPaneColor(3));
    EXPECT_EQ(Pixel(3, 30), kOutline);    // pane 0 is only outlined now
    EXPECT_EQ(Pixel(1, 60), Argb{0xFF282828}); // the outer frame
    EXPECT_EQ(host.Count(WM_PANE_SELECTED, 0), 1);
    EXPECT_EQ(GetFocus(), display.Hwnd());
}

TEST_F(ColorDisplayTest, ClickInTheGapChangesNothingButStillTellsTheParent) {
    Click(90, 30);
    EXPECT_EQ(display.GetActivePane(), 0);
    EXPECT_EQ(host.Count(WM_PANE_SELECTED, 0), 1);
}

TEST_F(ColorDisplayTest, ArrowsMoveInTheGridAndOtherKeysGoToTheParent) {
    Key(VK_RIGHT);
    EXPECT_EQ(display.GetActivePane(), 1);
    Key(VK_RIGHT);
    EXPECT_EQ(display.GetActivePane(), 0);
    Key(VK_UP);
    EXPECT_EQ(display.GetActivePane(), 2);
    EXPECT_EQ(Pixel(3, 90), kRed);
    EXPECT_EQ(host.Count(WM_PANE_SELECTED, 0), 3);
    Key('C');
    Key(VK_TAB);
    EXPECT_EQ(host.Count(WM_PANE_KEYDOWN, 0x43), 1);
    EXPECT_EQ(host.Count(WM_PANE_KEYDOWN, VK_TAB), 1);
    EXPECT_EQ(display.GetActivePane(), 2);
}

TEST_F(ColorDisplayTest, TwoPanesIgnoreArrowsButStillTellTheParent) {
    display.SetPaneCount(2);
    Key(VK_DOWN);
    EXPECT_EQ(display.GetActivePane(), 0);
    EXPECT_EQ(host.Count(WM_PANE_SELECTED, 0), 1);
}

TEST_F(ColorDisplayTest, NewCountKeepsTheFirstColoursAndStartsTheRestWhite) {
    display.SetActivePane(2);
    const Argb first = display.GetPaneColor(0), fourth = display.GetPaneColor(3);
    display.SetPaneCount(9);
    EXPECT_EQ(display.GetPaneCount(), 9);
    EXPECT_EQ(display.GetActivePane(), 0);
    EXPECT_EQ(display.GetPaneColor(0), first);
    EXPECT_EQ(display.GetPaneColor(3), fourth);
    for (int i = 4; i < 9; ++i)
        EXPECT_EQ(display.GetPaneColor(i), Argb{0xFFFFFFFF});
    display.SetPaneCount(3);
    EXPECT_EQ(display.GetPaneCount(), 1);
    EXPECT_EQ(display.GetPaneColor(0), first);
    Key(VK_RIGHT);
    EXPECT_EQ(display.GetActivePane(), 0);
}

TEST_F(ColorDisplayTest, OutOfRangeIndexesAreRefusedQuietly) {
    display.SetActivePane(4);
    EXPECT_EQ(display.GetActivePane(), 0);
    display.SetPaneColor(7, Argb{0xFF123456});
    EXPECT_EQ(display.GetPaneColor(7), Argb{0xFF000000});
    EXPECT_EQ(display.GetPaneColor(-1), Argb{0xFF000000});
}

constexpr POINT kClick{300, 200};

// The magnified view, shown in the same display.
class ZoomViewTest : public ColorDisplayTest {
  protected:
    ::testing::AssertionResult Shows(POINT click, bool grid) const {
        ScreenArea capture{ZoomCaptureArea({click.x, click.y}), {}};
        for (int y = capture.area.top; y < capture.area.bottom; ++y)
            for (int x = capture.area.left; x < capture.area.right; ++x)
                capture.pixels.push_back(FakeScreenPixel(x, y));
        return ShowsView(display, capture, click, grid, kBaseDpi);
    }
    void ShowAt(POINT click) {
        ASSERT_TRUE(display.CaptureScreen(click));
        display.ShowZoom(click);
        ASSERT_TRUE(ShowsMagnifiedView(display.Hwnd()));
    }
};

TEST_F(ZoomViewTest, ShowsEveryBlockExactlyWithTheGridBlendedOnTheFirstColumnAndRow) {
    ShowAt(kClick);
    // Every column, lines at 0 and none at 175; rows 0 and 127 lie under the frame.
    EXPECT_TRUE(Shows(kClick, true));
    EXPECT_EQ(Pixel(1, 65), Argb{0xFF282828}); // the frame still goes over the view
}

TEST_F(ZoomViewTest, GridSwitchedWhileShownChangesTheViewAtOnce) {
    ShowAt(kClick);
    display.SetGrid(false);
    EXPECT_TRUE(Shows(kClick, false));
    display.SetGrid(true);
    EXPECT_TRUE(Shows(kClick, true));
    display.SetGrid(false);
    display.CancelZoom();
    ShowAt(POINT{kClick.x + 3, kClick.y});
    EXPECT_TRUE(Shows(POINT{kClick.x + 3, kClick.y}, false));
    EXPECT_EQ(display.copied.size(), 2u); // SetGrid copies nothing
}

TEST_F(ZoomViewTest, CopiesOnlyTheAreaAroundTheClickClippedToTheScreen) {
    ShowAt(kClick); // room for the view at x2 to follow the pointer
    ASSERT_EQ(display.copied.size(), 1u);
    EXPECT_EQ(display.copied[0], (PixelRect{212, 136, 388, 264}));
    const POINT origin{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
    ShowAt(origin);
    EXPECT_EQ(display.copied[1], (PixelRect{origin.x, origin.y, origin.x + 88, origin.y + 64}));
    // Blocks whose source lies off the screen are black, the clicked pixel fills (88..91, 64..67).
    EXPECT_EQ(Pixel(2 + 85, 1 + 62), Argb{0xFF000000});
    EXPECT_EQ(Pixel(2 + 89, 1 + 65), FakeScreenPixel(origin.x, origin.y));
}

TEST_F(ZoomViewTest, ClickAtTheCentrePicksTheClickedPixelAndLeavesZoomMode) {
    ShowAt(kClick);
    Click(90, 65);
    EXPECT_FALSE(ShowsMagnifiedView(display.Hwnd()));
    EXPECT_EQ(display.GetPaneColor(0), FakeScreenPixel(kClick.x, kClick.y));
    EXPECT_EQ(host.Count(WM_PANE_SELECTED, 0), 1);
    EXPECT_EQ(Pixel(40, 30), FakeScreenPixel(kClick.x, kClick.y)); // the panes are back
    // A grid pixel gives the plain colour under it, never the tint.
    ShowAt(kClick);
    Click(2 + 4, 1 + 4);
    EXPECT_EQ(display.GetPaneColor(0), FakeScreenPixel(kClick.x - 21, kClick.y - 15));
}

TEST_F(ZoomViewTest, ClickOnTheMarginGivesBlack) {
    for (POINT margin : {POINT{0, 0}, POINT{179, 65}, POINT{90, 129}}) {
        display.SetPaneColor(0, Argb{0xFF102030});
        ShowAt(kClick);
        Click(margin.x, margin.y);
        EXPECT_EQ(display.GetPaneColor(0), Argb{0xFF000000}) << margin.x << "," << margin.y;
        EXPECT_FALSE(ShowsMagnifiedView(display.Hwnd()));
    }
}

TEST_F(ZoomViewTest, NoViewWithoutACopyOrAfterAFailedOne) {
    display.ShowZoom(kClick);
    EXPECT_FALSE(ShowsMagnifiedView(display.Hwnd()));
    ShowAt(kClick);
    display.CancelZoom();
    const Argb pane = display.GetPaneColor(0);
    display.failing = true;
    EXPECT_FALSE(display.CaptureScreen(kClick));
    display.ShowZoom(kClick); // the earlier copy is not shown as if it were the screen now
    EXPECT_FALSE(ShowsMagnifiedView(display.Hwnd()));
    EXPECT_EQ(Pixel(40, 30), pane);
}

} // namespace
