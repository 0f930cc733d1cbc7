#include "NotationRows.h"
#include "WindowTestSupport.h"
#include "win/PrivateMessages.h"
#include "color/InfoCtrl.h"
#include "win/Gdiplus.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A visible top-level window to hold the panel, as the main window does.
class Host : public win::Window {};

class InfoPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0));
        ASSERT_TRUE(panel.CreateModeless(host.Hwnd()));
        ShowWindow(panel.Hwnd(), SW_SHOW);
    }

    std::wstring Text(int id) const {
        wchar_t text[64] = {};
        GetDlgItemTextW(panel.Hwnd(), id, text, 64);
        return text;
    }
    HWND Check(int id) const { return GetDlgItem(panel.Hwnd(), id); }
    bool IsMarked(int id) const {
        // The 6 x 6 mark fills the box from (2, 2); the box is white inside its frame.
        auto* check = ObjectOf<CheckCtrl>(Check(id));
        Gdiplus::Color pixel;
        check->Canvas()->GetPixel(4, 4, &pixel);
        return pixel.GetValue() == 0xFF000000;
    }
    int MarkedCount() const {
        int count = 0;
        for (const NotationRow& row : kNotationRows)
            count += IsMarked(row.markId);
        return count;
    }
    void ClickCheck(int id) {
        PostMessageW(Check(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PumpPending();
    }

    win::GdiplusSession gdiplus;
    Host host;
    InfoCtrl panel;
};

TEST_F(InfoPanelTest, StartsWithColrefMarkedAndTheMarksInTheirPlaces) {
    EXPECT_EQ(panel.GetNotation(), ColorNotation::Colref);
    EXPECT_TRUE(IsMarked(IDC_CHECK_COLREF));
    EXPECT_EQ(MarkedCount(), 1);
    RedrawWindow(panel.Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    const win::WindowDc dc(Check(IDC_CHECK_COLREF));
    EXPECT_EQ(GetPixel(dc.get(), 4, 4), 0u);
    EXPECT_EQ(GetPixel(dc.get(), 1, 1), 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), 0u);
    // Each mark in its row: centred on the row's label, half a pixel off at most.
    for (const NotationRow& row : kNotationRows) {
        const RECT rect = win::RectInParent(Check(row.markId));
        const RECT label = win::RectInParent(GetDlgItem(panel.Hwnd(), row.labelId));
        EXPECT_EQ(rect.left, 10);
        EXPECT_LE(std::abs(rect.top + rect.bottom - label.top - label.bottom), 1) << row.markId;
        EXPECT_EQ(rect.right - rect.left, 10);
        EXPECT_EQ(rect.bottom - rect.top, 10);
    }
}

TEST_F(InfoPanelTest, ClickingAMarkLeavesExactlyThatOneSet) {
    ClickCheck(IDC_CHECK_HSB);
    EXPECT_EQ(panel.GetNotation(), ColorNotation::Hsb);
    EXPECT_TRUE(IsMarked(IDC_CHECK_HSB));
    EXPECT_EQ(MarkedCount(), 1);
    ClickCheck(IDC_CHECK_HSB);
    EXPECT_TRUE(IsMarked(IDC_CHECK_HSB));
    EXPECT_EQ(MarkedCount(), 1);
}

TEST_F(InfoPanelTest, ClickOutsideTheMarkChangesNothing) {
    PostMessageW(Check(IDC_CHECK_RGB), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 5));
    PumpPending();
    EXPECT_EQ(panel.GetNotation(), ColorNotation::Colref);
}

TEST_F(InfoPanelTest, SetNotationIgnoresUnknownValues) {
    panel.SetNotation(2);
    EXPECT_EQ(panel.GetNotation(), ColorNotation::Hex);
    panel.SetNotation(7);
    EXPECT_EQ(panel.GetNotation(), ColorNotation::Hex);
    EXPECT_EQ(MarkedCount(), 1);
}

// Each row shows its own notation; the notations' texts are the logic's, tested on their own.
TEST_F(InfoPanelTest, ShowsTheColourInEveryRow) {
    panel.SetColor(ColorRef{0x001E140A}); // red 10, green 20, blue 30
    for (const NotationRow& row : kNotationRows)
        EXPECT_EQ(Text(row.valueId), NotationText(row.notation, ColorRef{0x001E140A})) << row.valueId;
    EXPECT_EQ(Text(IDC_VALUE_RGB), L"10, 20, 30");
    EXPECT_EQ(panel.GetColor(), ColorRef{0x001E140A});
}

TEST_F(InfoPanelTest, BackColorReachesTheTextsButNotTheFrame) {
    panel.SetBackgroundColor(ColorRef{0x00E6C2A3});
    RedrawWindow(panel.Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const win::WindowDc dc(panel.Hwnd());
    EXPECT_EQ(GetPixel(dc.get(), 60, 40), 0x00E6C2A3u); // between the rows
    EXPECT_EQ(GetPixel(dc.get(), 0, 30), 0x00646464u);  // the frame
    const ControlColors label =
        AskControlColors(panel.Hwnd(), WM_CTLCOLORSTATIC, GetDlgItem(panel.Hwnd(), IDC_NAME_RGB));
    EXPECT_NE(label.brush, CLR_INVALID);
    EXPECT_EQ(label.background, 0x00E6C2A3u);
}

} // namespace
