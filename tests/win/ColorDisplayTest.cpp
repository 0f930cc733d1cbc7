#include "ChildHost.h"
#include "WindowTestSupport.h"
#include "core/PrivateMessages.h"
#include "display/ColorDisplay.h"

#include <gtest/gtest.h>

namespace {

constexpr Argb kRed = 0xFFDE0000;
constexpr Argb kOutline = 0xFF323232;

class ColorDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(display.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                   RECT{8, 10, 188, 140}, host.Hwnd(), 1000));
        display.SetPaneCount(4);
        for (int i = 0; i < 4; ++i)
            display.SetPaneColor(i, 0xFF100000u * static_cast<Argb>(i + 1) | 0xFF000000u);
    }

    Argb Pixel(int x, int y) const {
        Gdiplus::Color color;
        display.Canvas()->GetPixel(x, y, &color);
        return color.GetValue();
    }
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
    CColorDisplay display;
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
    EXPECT_EQ(Pixel(1, 60), 0xFF282828u); // the outer frame
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
        EXPECT_EQ(display.GetPaneColor(i), 0xFFFFFFFFu);
    display.SetPaneCount(3);
    EXPECT_EQ(display.GetPaneCount(), 1);
    EXPECT_EQ(display.GetPaneColor(0), first);
    Key(VK_RIGHT);
    EXPECT_EQ(display.GetActivePane(), 0);
}

TEST_F(ColorDisplayTest, OutOfRangeIndexesAreRefusedQuietly) {
    display.SetActivePane(4);
    EXPECT_EQ(display.GetActivePane(), 0);
    display.SetPaneColor(7, 0xFF123456);
    EXPECT_EQ(display.GetPaneColor(7), 0xFF000000u);
    EXPECT_EQ(display.GetPaneColor(-1), 0xFF000000u);
}

} // namespace
