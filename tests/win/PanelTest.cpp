#include "ChildHost.h"
#include "WindowTestSupport.h"
#include "win/Colors.h"
#include "win/PrivateMessages.h"
#include "app/Slider.h"
#include "logic/ToolPanelLayout.h"
#include "ui/PanelCtrl.h"
#include "win/WindowRects.h"

#include "resource.h"

#include <commctrl.h>
#include <iterator>
#include <string>
#include <gtest/gtest.h>

namespace {

constexpr Argb kConstructionFill{0xFFBFD9D9};

class PanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(
            panel.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 213, 280, 240}, host.Hwnd(), 1001));
    }
    Argb ButtonPixel(int id, int x, int y) { return PixelOf(*panel.Button(id)->Canvas(), x, y); }
    void Click(int id) {
        const HWND button = panel.Button(id)->Hwnd();
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        PumpPending();
    }

    win::GdiplusSession gdiplus;
    ChildHost host;
    PanelCtrl panel;
};

// Where the layout puts them, which its own tests pin at 96 DPI.
TEST_F(PanelTest, EightButtonsInARowWithWiderGapsBeforeOptionsAndTopmost) {
    for (int i = 0; i < kToolButtonCount; ++i)
        EXPECT_EQ(win::ToPixelRect(win::RectInParent(panel.Button(5000 + i)->Hwnd())),
                  ToolButtonRect(i, 27, kBaseDpi))
            << i;
}

TEST_F(PanelTest, IdleButtonsAreGreyWithTheKeyInTheConstructionColour) {
    // Every corner is the red key.
    EXPECT_EQ(ButtonPixel(5000, 0, 0), kConstructionFill);
    EXPECT_EQ(ButtonPixel(5000, 27, 19), kConstructionFill);
    // The zoom icon's inner key pixel too.
    EXPECT_EQ(ButtonPixel(5002, 9, 7), kConstructionFill);
    for (int id = 5000; id <= 5007; ++id)
        for (int y = 1; y < 19; ++y)
            for (int x = 1; x < 27; ++x) {
                const Argb pixel = ButtonPixel(id, x, y);
                const ColorRef c = ToColorRef(pixel);
                if (pixel != kConstructionFill && !(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c)))
                    FAIL() << "button " << id << " is coloured at " << x << ", " << y;
            }
}

TEST_F(PanelTest, ThemeRefillKeepsTheButtonCornersAndRedrawsTheTopLine) {
    // Drawn once in the colour it was made with.
    ASSERT_NE(PixelOf(*panel.Canvas(), 3, 10), Argb{0xFFA3C2E6});
    panel.SetBackgroundColor(Argb{0xFFA3C2E6});
    EXPECT_EQ(PixelOf(*panel.Canvas(), 3, 10), Argb{0xFFA3C2E6});
    EXPECT_EQ(PixelOf(*panel.Canvas(), 100, 0), Argb{0xFF646464});
    EXPECT_EQ(ButtonPixel(5003, 0, 0), kConstructionFill);
}

TEST_F(PanelTest, ClicksPostTheirCommandNumbers) {
    const int commands[] = {1, 2, 3, 4, 5, 6, 8, 7};
    for (int i = 0; i < 8; ++i)
        Click(5000 + i);
    std::vector<WPARAM> posted;
    for (const ChildHost::Received& item : host.received)
        if (item.message == WM_PANEL_COMMAND)
            posted.push_back(item.wParam);
    EXPECT_EQ(posted, std::vector<WPARAM>(std::begin(commands), std::end(commands)));
}

TEST_F(PanelTest, PickerAndTopmostLatchOthersDoNot) {
    Click(5001);
    Click(5003);
    Click(5007);
    EXPECT_EQ(panel.Button(5001)->IsDown(), 1);
    EXPECT_EQ(panel.Button(5003)->IsDown(), 0);
    EXPECT_EQ(panel.Button(5007)->IsDown(), 1);
    Click(5001);
    EXPECT_EQ(panel.Button(5001)->IsDown(), 0);
    EXPECT_EQ(host.Count(WM_PANEL_COMMAND, 2), 2);
}

TEST_F(PanelTest, HoverShowsTheColouredPicture) {
    SendMessageW(panel.Button(5006)->Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(14, 10));
    const ColorRef pixel = ToColorRef(ButtonPixel(5006, 6, 10)); // on the blue disc
    EXPECT_GT(BlueOf(pixel), RedOf(pixel));
}

// A trackbar as the main window's template makes them, for the red channel's range.
class Slider : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        trackbar = CreateWindowExW(0, TRACKBAR_CLASSW, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_BOTH | TBS_NOTICKS, 10, 10, 20, 200,
                                   host.Hwnd(), reinterpret_cast<HMENU>(1018), nullptr, nullptr);
        ASSERT_TRUE(slider.Attach(trackbar));
        slider.SetRange(0, 255, false);
    }

    ChildHost host;
    CSlider slider;
    HWND trackbar = nullptr;
};

TEST_F(Slider, PressAndDragAreReportedBeforeTheThumbMoves) {
    SendMessageW(trackbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 150));
    SendMessageW(trackbar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 160));
    SendMessageW(trackbar, WM_LBUTTONUP, 0, MAKELPARAM(10, 160));
    SendMessageW(trackbar, WM_MOUSEMOVE, 0, MAKELPARAM(10, 170)); // no longer dragging
    PumpPending();
    EXPECT_EQ(host.Count(WM_SLIDER_MOVED, 1018), 2);
    EXPECT_EQ(GetFocus(), trackbar);
    EXPECT_NE(GetCapture(), trackbar);
}

// The text of the trackbar's position tip, as the trackbar last set it.
std::wstring PositionTipText(HWND trackbar) {
    const auto tip = reinterpret_cast<HWND>(SendMessageW(trackbar, TBM_GETTOOLTIPS, 0, 0));
    wchar_t text[32] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = trackbar;
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST_F(Slider, FirstPressMakesAnOwnerlessPositionTipThatFollowsTheThumb) {
    EXPECT_EQ(SendMessageW(trackbar, TBM_GETTOOLTIPS, 0, 0), 0);

    RECT thumb;
    SendMessageW(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int x = (thumb.left + thumb.right) / 2, y = (thumb.top + thumb.bottom) / 2;
    SendMessageW(trackbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    const auto tip = reinterpret_cast<HWND>(SendMessageW(trackbar, TBM_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), nullptr);
    EXPECT_EQ(PositionTipText(trackbar), L"0");
    SendMessageW(trackbar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + 60));
    EXPECT_GT(slider.GetPos(), 0);
    EXPECT_EQ(PositionTipText(trackbar), std::to_wstring(slider.GetPos()));
    SendMessageW(trackbar, WM_LBUTTONUP, 0, MAKELPARAM(x, y + 60));

    SendMessageW(trackbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y + 60));
    SendMessageW(trackbar, WM_LBUTTONUP, 0, MAKELPARAM(x, y + 60));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(trackbar, TBM_GETTOOLTIPS, 0, 0)), tip); // one tip
    PumpPending();
    DestroyWindow(trackbar);
    EXPECT_FALSE(IsWindow(tip)); // the trackbar takes its tip with it
}

} // namespace
