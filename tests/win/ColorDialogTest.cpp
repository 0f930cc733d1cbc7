#include "AccessibleReader.h"
#include "WindowTestSupport.h"
#include "logic/Language.h"
#include "dialogs/DlgColor.h"
#include "logic/Palette.h"
#include "win/Controls.h"
#include "win/Colors.h"
#include "win/WindowRects.h"

#include "resource.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef kFace = MakeColorRef(125, 167, 216);

class ColorDialog : public ::testing::Test {
  protected:
    void TearDown() override { SetRussian(false); }

    // Runs the dialog and clicks its palette at a pixel of the picture.
    static INT_PTR ClickPalette(CDlgColor& dialog, POINT point) {
        return RunModalThen(dialog, nullptr, [point](HWND window) {
            PostMessageW(GetDlgItem(window, IDC_PALETTE), WM_LBUTTONDOWN, MK_LBUTTON,
                         MAKELPARAM(point.x, point.y));
        });
    }
    static INT_PTR ClickButton(CDlgColor& dialog, int id) {
        return RunModalThen(dialog, nullptr,
                            [id](HWND window) { PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); });
    }

    win::GdiplusSession gdiplus;
};

TEST_F(ColorDialog, APaletteClickChoosesTheClickedPixel) {
    struct Click {
        POINT point;
        ColorRef color;
    };
    const Click clicks[] = {
        {{186, 30}, ColorRef{0x000083FF}},                // column 15, row 2: FF8300
        {{180, 30}, ColorRef{0x00000000}},                // a line
        {{12 * 4 + 6, 12 * 1 + 6}, ColorRef{0x005A4BFF}}, // column 4, row 1: FF4B5A
    };
    for (const Click& click : clicks) {
        CDlgColor dialog;
        EXPECT_EQ(ClickPalette(dialog, click.point), IDOK);
        EXPECT_EQ(dialog.GetPickedColor(), click.color) << click.point.x << ", " << click.point.y;
        EXPECT_FALSE(dialog.WantsMoreColors());
    }
}

TEST_F(ColorDialog, EverySwatchGivesTheColourOfTheTable) {
    CDlgColor dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    const HWND palette = GetDlgItem(dialog.Hwnd(), IDC_PALETTE);
    const PixelRect client = win::ClientRect(palette);
    EXPECT_EQ(client.right, kPaletteWidth);
    EXPECT_EQ(client.bottom, kPaletteHeight);
    for (int row = 0; row < kPaletteRows; ++row)
        for (int column = 0; column < kPaletteColumns; ++column) {
            const int x = kPaletteCell * column + kPaletteCell / 2, y = kPaletteCell * row + kPaletteCell / 2;
            SendMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
            ASSERT_EQ(dialog.GetPickedColor(), ToColorRef(PaletteSwatch(row, column)))
                << column << ", " << row;
        }
}

TEST_F(ColorDialog, AnUnreadablePaletteClosesWithoutAChoice) {
    // A module without the palette bitmap: the click cannot read a colour.
    CDlgColor dialog(GetModuleHandleW(L"kernel32.dll"));
    EXPECT_EQ(ClickPalette(dialog, POINT{186, 30}), IDCANCEL);
    EXPECT_EQ(dialog.GetPickedColor(), ColorRef{});
    EXPECT_FALSE(dialog.WantsMoreColors());
}

TEST_F(ColorDialog, MoreColorsAndCancelCloseWithoutAChoice) {
    CDlgColor more;
    EXPECT_EQ(ClickButton(more, IDC_MORE_COLORS), IDCANCEL);
    EXPECT_TRUE(more.WantsMoreColors());
    CDlgColor cancel;
    EXPECT_EQ(ClickButton(cancel, IDCANCEL), IDCANCEL);
    EXPECT_FALSE(cancel.WantsMoreColors());
    CDlgColor closed;
    EXPECT_EQ(RunModalThen(closed, nullptr, [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }),
              IDCANCEL);
    EXPECT_FALSE(closed.WantsMoreColors());
}

TEST_F(ColorDialog, ButtonsAndPaletteSpeakTheLanguageAndTheCaptionStays) {
    struct Texts {
        bool russian;
        const wchar_t* cancel;
        const wchar_t* more;
        const wchar_t* palette; // as a screen reader names it
    };
    for (const Texts& texts : {Texts{false, L"Cancel", L"More colors...", L"Palette"},
                               Texts{true, L"Отменить", L"Больше цветов...", L"Палитра"}}) {
        SetRussian(texts.russian);
        CDlgColor dialog;
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        EXPECT_EQ(win::WindowText(GetDlgItem(dialog.Hwnd(), IDCANCEL)), texts.cancel);
        EXPECT_EQ(win::WindowText(GetDlgItem(dialog.Hwnd(), IDC_MORE_COLORS)), texts.more);
        EXPECT_EQ(win::WindowText(dialog.Hwnd()), L"Color Dialog");
        EXPECT_EQ(AccessibleReader(GetDlgItem(dialog.Hwnd(), IDC_PALETTE)).Name(), texts.palette);
    }
}

TEST_F(ColorDialog, TheFaceHasTheThemeColourAndThePaletteTheHand) {
    CDlgColor dialog;
    dialog.SetBackgroundColor(kFace);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        dialog.Hwnd(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(win::WindowDc(dialog.Hwnd()).get()),
        reinterpret_cast<LPARAM>(dialog.Hwnd())));
    LOGBRUSH logBrush{};
    ASSERT_EQ(GetObjectW(brush, sizeof(logBrush), &logBrush), static_cast<int>(sizeof(logBrush)));
    EXPECT_EQ(logBrush.lbColor, win::ToCOLORREF(kFace));

    const HWND palette = GetDlgItem(dialog.Hwnd(), IDC_PALETTE);
    SetCursor(nullptr);
    EXPECT_TRUE(SendMessageW(palette, WM_SETCURSOR, reinterpret_cast<WPARAM>(palette),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

} // namespace
