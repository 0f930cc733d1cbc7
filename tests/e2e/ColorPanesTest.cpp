#include "Driver.h"
#include "logic/Theme.h"
#include "win/Colors.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

using namespace e2e;

const COLORREF kThemeFace = win::ToCOLORREF(LookupTheme(kDefaultTheme).backgroundColor);
const COLORREF kThemePanel = win::ToCOLORREF(LookupTheme(kDefaultTheme).panelColor);

class ColorPanes : public WithTintra<> {
  protected:
    void SetUp() override {
        WithTintra::SetUp();
        ASSERT_TRUE(tintra.Start());
        display = tintra.Control(IDC_COLOR_DISPLAY);
        ASSERT_NE(display, nullptr);
        info = tintra.InfoPanel();
        ASSERT_NE(info, nullptr);
    }

    bool Framed(int left, int top) const { return ScreenPixel(display, left, top + 20) == kActivePaneFrame; }
    bool PaneIsFramed(int left, int top) const {
        return WaitFor([&] { return Framed(left, top); });
    }
    void Settle() const {
        DWORD_PTR answer;
        SendMessageTimeoutW(tintra.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
    }

    HWND display = nullptr;
    HWND info = nullptr;
};

TEST_F(ColorPanes, FirstStartShowsFourBlackPanesTheThemeAndBlackInEveryNotation) {
    RECT rect = RectInParent(display);
    EXPECT_EQ(rect.left, 8);
    EXPECT_EQ(rect.top, 10);
    EXPECT_EQ(rect.right, 188);
    EXPECT_EQ(rect.bottom, 140);
    RECT infoRect = RectInParent(info);
    EXPECT_EQ(infoRect.left, 8);
    EXPECT_EQ(infoRect.top, 145);

    EXPECT_TRUE(PaneIsFramed(3, 3));
    for (POINT inside : {POINT{40, 30}, POINT{130, 30}, POINT{40, 100}, POINT{130, 100}})
        EXPECT_EQ(ScreenPixel(display, inside.x, inside.y), 0u);
    EXPECT_EQ(ScreenPixel(tintra.MainWindow(), 195, 60), kThemeFace);
    EXPECT_EQ(ScreenPixel(info, 60, 40), kThemePanel);
    EXPECT_EQ(ScreenPixel(tintra.Control(IDC_TOOL_PANEL), 2, 14), kThemePanel);         // the tool panel
    EXPECT_EQ(ScreenPixel(tintra.Control(IDC_TOOL_PANEL), 100, 0), RGB(100, 100, 100)); // its top line
    EXPECT_EQ(ScreenPixel(GetDlgItem(info, IDC_CHECK_COLREF), 4, 4), 0u);               // COLREF is marked
    EXPECT_EQ(ScreenPixel(GetDlgItem(info, IDC_CHECK_RGB), 4, 4), RGB(255, 255, 255));

    EXPECT_EQ(TextOf(GetDlgItem(info, IDC_VALUE_RGB)), L"0, 0, 0");
    EXPECT_EQ(TextOf(GetDlgItem(info, IDC_VALUE_HEX)), L"000000");
    EXPECT_EQ(TextOf(GetDlgItem(info, IDC_VALUE_HSB)), L"0, 0, 0");
    EXPECT_EQ(TextOf(GetDlgItem(info, IDC_VALUE_CMYK)), L"0, 0, 0, 100");
    EXPECT_EQ(TextOf(GetDlgItem(info, IDC_VALUE_COLREF)), L"0");
}

TEST_F(ColorPanes, ClickAndArrowKeysMoveTheActivePaneAsTheGridSays) {
    ASSERT_TRUE(ClickFor(display, 130, 100, "pane 3 framed as the active one",
                         [&] { return ScreenPixel(display, 91, 86) == kActivePaneFrame; }));
    ASSERT_TRUE(PressKeyFor(VK_RIGHT, "pane 2 framed", [&] { return Framed(3, 66); })); // wraps
    ASSERT_TRUE(PressKeyFor(VK_DOWN, "pane 0 framed", [&] { return Framed(3, 3); }));   // wraps
    ASSERT_TRUE(PressKeyFor(VK_LEFT, "pane 1 framed", [&] { return Framed(91, 3); }));  // wraps
    Settle();
    EXPECT_EQ(ScreenPixel(display, 3, 23), RGB(0x32, 0x32, 0x32)); // pane 0 is only outlined now
}

TEST_F(ColorPanes, PickingAPaneMakesItsColourCurrentAndReleasesTheLocks) {
    // Latch the red lock, then pick a pane: every lock comes up again.
    const HWND redLock = tintra.Control(IDC_LOCK_RED);
    ASSERT_TRUE(ClickFor(redLock, 4, 5, "the red padlock latched",
                         [&] { return ScreenPixel(redLock, 2, 7) == kChannels[0].latchedFace; }));
    ASSERT_TRUE(ClickFor(display, 130, 30, "pane 1 framed as the active one",
                         [&] { return ScreenPixel(display, 91, 23) == kActivePaneFrame; }));
    Settle();
    EXPECT_EQ(SendMessageW(tintra.Control(IDC_SLIDER_RED), TBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(TextOf(GetDlgItem(info, IDC_VALUE_RGB)), L"0, 0, 0");
    // The grey padlock is back: its face is light grey, not red.
    EXPECT_TRUE(ScreenShows(redLock, 2, 7, kReleasedLockFace));
}

} // namespace
