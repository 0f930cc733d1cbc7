#include "MagnifiedView.h"
#include "WindowTestSupport.h"
#include "logic/MainLayout.h"
#include "app/TintraDlg.h"
#include "logic/DpiScaling.h"
#include "dialogs/DlgColor.h"
#include "dialogs/DlgOptions.h"
#include "logic/Palette.h"
#include "logic/ToolPanelLayout.h"
#include "ui/Pictures.h"
#include "win/App.h"
#include "win/WindowRects.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

using win::RectInParent;
using win::ToPixelRect;

RECT Rescaled(const RECT& rect, int fromDpi, int toDpi) {
    return {RescaleDpi(rect.left, fromDpi, toDpi), RescaleDpi(rect.top, fromDpi, toDpi),
            RescaleDpi(rect.right, fromDpi, toDpi), RescaleDpi(rect.bottom, fromDpi, toDpi)};
}

bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

LONG FontHeight(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

// What Windows does when the window reaches a monitor of another scale: the new DPI and the
// window's rectangle at that scale.
void MoveToDpi(HWND window, int fromDpi, int toDpi) {
    const PixelRect frame = win::ScreenRect(window);
    RECT suggested{frame.left, frame.top, frame.left + RescaleDpi(frame.right - frame.left, fromDpi, toDpi),
                   frame.top + RescaleDpi(frame.bottom - frame.top, fromDpi, toDpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi), reinterpret_cast<LPARAM>(&suggested));
}

class DpiChange : public ::testing::Test {
  protected:
    void SetUp() override {
        app.SetRegistryKey(L"Kelvo Tintra Tests");
        ASSERT_TRUE(main.CreateModeless(nullptr));
        baseDpi = main.Dpi();
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests"); }

    HWND Child(int id) const { return GetDlgItem(main.Hwnd(), id); }

    win::GdiplusSession gdiplus;
    win::App app;
    CTintraDlg main;
    int baseDpi = kBaseDpi;
};

TEST_F(DpiChange, TheMainWindowTakesTheSuggestedRectangleAndLaysItselfOutAgain) {
    for (const WPARAM icon : {ICON_SMALL, ICON_BIG}) // under Wine, not answered to another process
        EXPECT_NE(SendMessageW(main.Hwnd(), WM_GETICON, icon, 0), 0) << icon;
    std::vector<RECT> templateRects;
    for (int id = IDC_SLIDER_RED; id <= IDC_LABEL_BLUE; ++id) // the template's sliders and labels
        templateRects.push_back(RectInParent(Child(id)));
    const LONG fontHeight = FontHeight(Child(IDC_LABEL_RED));
    const PixelRect frame = win::ScreenRect(main.Hwnd());

    const int dpi = baseDpi * 3 / 2;
    MoveToDpi(main.Hwnd(), baseDpi, dpi);
    const MainLayout layout = MainLayoutAt(dpi);
    EXPECT_EQ(main.Dpi(), dpi);

    const PixelRect moved = win::ScreenRect(main.Hwnd());
    EXPECT_EQ(moved.left, frame.left);
    EXPECT_EQ(moved.top, frame.top);
    EXPECT_EQ(moved.right - moved.left, RescaleDpi(frame.right - frame.left, baseDpi, dpi));
    EXPECT_GE(moved.bottom - moved.top, RescaleDpi(frame.bottom - frame.top, baseDpi, dpi));

    for (size_t i = 0; i < templateRects.size(); ++i)
        EXPECT_TRUE(RectInParent(Child(IDC_SLIDER_RED + static_cast<int>(i))) ==
                    Rescaled(templateRects[i], baseDpi, dpi))
            << "control " << i;
    EXPECT_EQ(FontHeight(Child(IDC_LABEL_RED)), RescaleDpi(fontHeight, baseDpi, dpi));

    EXPECT_EQ(ToPixelRect(RectInParent(Child(IDC_COLOR_DISPLAY))), layout.colorDisplay);
    // Each lock at the layout's height and size, over its slider.
    for (size_t i = 0; i < 3; ++i) {
        const RECT lock = RectInParent(Child(IDC_LOCK_RED + static_cast<int>(i)));
        const RECT slider = RectInParent(Child(IDC_SLIDER_RED + static_cast<int>(i)));
        EXPECT_EQ(lock.top, layout.locks[i].top) << i;
        EXPECT_EQ(lock.right - lock.left, layout.locks[i].Width()) << i;
        EXPECT_EQ(lock.bottom - lock.top, layout.locks[i].Height()) << i;
        EXPECT_LE(std::abs(lock.left + lock.right - slider.left - slider.right), 4) << i;
    }

    const PixelRect client = win::ClientRect(main.Hwnd());
    const RECT panel = RectInParent(Child(IDC_TOOL_PANEL));
    EXPECT_TRUE(panel == (RECT{0, client.bottom - layout.toolPanelHeight, client.right, client.bottom}));
    for (int i = 0; i < kToolButtonCount; ++i)
        EXPECT_EQ(ToPixelRect(RectInParent(GetDlgItem(Child(IDC_TOOL_PANEL), 5000 + i))),
                  ToolButtonRect(i, layout.toolPanelHeight, dpi))
            << i;

    // The canvases follow their windows.
    EXPECT_EQ(ObjectOf<ui::CanvasWindow>(Child(IDC_COLOR_DISPLAY))->Canvas()->GetWidth(),
              static_cast<UINT>(layout.colorDisplay.Width()));
    EXPECT_EQ(ObjectOf<ui::CanvasWindow>(Child(IDC_TOOL_PANEL))->Canvas()->GetHeight(),
              static_cast<UINT>(layout.toolPanelHeight));
}

TEST_F(DpiChange, NoTwoChildrenOverlapAtAnyScaleAndTheWayBackRestoresEverything) {
    std::vector<RECT> before;
    for (HWND child = GetWindow(main.Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        before.push_back(RectInParent(child));
    const PixelRect client96 = win::ClientRect(main.Hwnd());

    int from = baseDpi;
    for (int dpi : {120, 144, 192, baseDpi}) {
        SCOPED_TRACE(dpi);
        MoveToDpi(main.Hwnd(), from, dpi);
        from = dpi;
        const PixelRect client = win::ClientRect(main.Hwnd());
        std::vector<RECT> rects;
        for (HWND child = GetWindow(main.Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child))
                rects.push_back(RectInParent(child));
        for (size_t i = 0; i < rects.size(); ++i) {
            EXPECT_TRUE(rects[i].right <= client.right && rects[i].bottom <= client.bottom) << i;
            for (size_t j = i + 1; j < rects.size(); ++j)
                EXPECT_TRUE(Intersect(ToPixelRect(rects[i]), ToPixelRect(rects[j])).IsEmpty())
                    << i << " and " << j;
        }
    }
    size_t index = 0;
    for (HWND child = GetWindow(main.Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EXPECT_TRUE(RectInParent(child) == before[index++]) << "child " << GetDlgCtrlID(child);
    const PixelRect client = win::ClientRect(main.Hwnd());
    EXPECT_TRUE(client == client96);
}

TEST_F(DpiChange, LockPicturesGrowSharpWithTheirKeyColourReplaced) {
    const HWND lock = Child(IDC_LOCK_RED);
    const std::vector<Argb> small = ui::ReadPixels(ObjectOf<ui::CanvasWindow>(lock)->Canvas());
    MoveToDpi(main.Hwnd(), baseDpi, 144);
    Gdiplus::Bitmap* canvas = ObjectOf<ui::CanvasWindow>(lock)->Canvas();
    ASSERT_EQ(canvas->GetWidth(), static_cast<UINT>(ScaleToDpi(9, 144)));
    const std::vector<Argb> large = ui::ReadPixels(canvas);
    // Nothing blended: the larger picture has exactly the colours of the smaller one.
    EXPECT_EQ(std::set<Argb>(large.begin(), large.end()), std::set<Argb>(small.begin(), small.end()));
    EXPECT_EQ(std::set<Argb>(large.begin(), large.end()).count(Argb{0xFF0000FF}), 0u); // no blue key left
}

TEST_F(DpiChange, TheMagnifiedViewUsesBlocksOfTheNewScale) {
    MoveToDpi(main.Hwnd(), baseDpi, 144);
    auto* display = ObjectOf<CColorDisplay>(Child(IDC_COLOR_DISPLAY));
    // Far off the screen, so that the blocks are black and only the grid divides them.
    const POINT click{GetSystemMetrics(SM_XVIRTUALSCREEN) - 1000, GetSystemMetrics(SM_YVIRTUALSCREEN) - 1000};
    ASSERT_TRUE(display->CaptureScreen(click));
    display->ShowZoom(click);
    EXPECT_TRUE(ShowsView(*display, ScreenArea{}, click, true, 144));
    // Back at the old scale while the view is shown: it is built again in blocks of four.
    MoveToDpi(main.Hwnd(), 144, baseDpi);
    EXPECT_TRUE(ShowsView(*display, ScreenArea{}, click, true, baseDpi));
}

TEST(DialogDpiChange, AnOpenDialogTakesTheSuggestedRectangleWithItsControlsAndFont) {
    CDlgOptions dialog;
    RECT frame{}, control{}, movedFrame{}, movedControl{};
    LONG font = 0, movedFont = 0;
    RunModalThen(dialog, nullptr, [&](HWND window) {
        const HWND ok = GetDlgItem(window, IDOK);
        GetWindowRect(window, &frame);
        control = RectInParent(ok);
        font = FontHeight(ok);
        MoveToDpi(window, dialog.Dpi(), dialog.Dpi() * 2);
        GetWindowRect(window, &movedFrame);
        movedControl = RectInParent(ok);
        movedFont = FontHeight(ok);
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(movedFrame.right - movedFrame.left, 2 * (frame.right - frame.left));
    EXPECT_TRUE(movedControl == Rescaled(control, 1, 2));
    EXPECT_EQ(movedFont, 2 * font);
}

// The colour dialog, open, and the palette's bitmap as it opens.
class PaletteDpiChange : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        palette = GetDlgItem(dialog.Hwnd(), IDC_PALETTE);
        original = reinterpret_cast<HBITMAP>(SendMessageW(palette, STM_GETIMAGE, IMAGE_BITMAP, 0));
    }

    win::GdiplusSession gdiplus;
    CDlgColor dialog;
    HWND palette = nullptr;
    HBITMAP original = nullptr;
};

TEST_F(PaletteDpiChange, ThePaletteShowsSharpAtTwiceTheSizeAndEverySwatchStillGivesItsColour) {
    const win::BitmapPtr small(Gdiplus::Bitmap::FromHBITMAP(original, nullptr));
    const std::vector<Argb> before = ui::ReadPixels(small.get());
    MoveToDpi(dialog.Hwnd(), dialog.Dpi(), 2 * dialog.Dpi());

    const PixelRect client = win::ClientRect(palette);
    ASSERT_EQ(client.right, 2 * kPaletteWidth);
    ASSERT_EQ(client.bottom, 2 * kPaletteHeight);
    const auto shown = reinterpret_cast<HBITMAP>(SendMessageW(palette, STM_GETIMAGE, IMAGE_BITMAP, 0));
    const win::BitmapPtr large(Gdiplus::Bitmap::FromHBITMAP(shown, nullptr));
    const std::vector<Argb> after = ui::ReadPixels(large.get());
    ASSERT_EQ(after.size(), 4 * before.size());
    for (int y = 0; y < 2 * kPaletteHeight; ++y)
        for (int x = 0; x < 2 * kPaletteWidth; ++x)
            ASSERT_EQ(after[static_cast<size_t>(y * 2 * kPaletteWidth + x)],
                      before[static_cast<size_t>(y / 2 * kPaletteWidth + x / 2)])
                << x << ", " << y;

    for (int row = 0; row < kPaletteRows; ++row)
        for (int column = 0; column < kPaletteColumns; ++column) {
            const int x = 2 * kPaletteCell * column + kPaletteCell, y = 2 * kPaletteCell * row + kPaletteCell;
            SendMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
            ASSERT_EQ(dialog.GetPickedColor(), ToColorRef(PaletteSwatch(row, column)))
                << column << ", " << row;
        }
    // Both pixels of a stretched line are the line.
    for (int x : {2 * kPaletteCell * 3, 2 * kPaletteCell * 3 + 1}) {
        SendMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 20));
        EXPECT_EQ(dialog.GetPickedColor(), ColorRef{}) << x;
    }
}

// As the static control of common controls 6 shows a bitmap with alpha: through a copy of its
// own, which the next STM_SETIMAGE hands back.
struct CopyingStatic {
    static inline WNDPROC previous = nullptr;
    static inline std::vector<HBITMAP> handedBack;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == STM_SETIMAGE && wParam == IMAGE_BITMAP) {
            const HANDLE copy = lParam ? CopyImage(reinterpret_cast<HANDLE>(lParam), IMAGE_BITMAP, 0, 0, 0) : nullptr;
            const LRESULT before =
                CallWindowProcW(previous, window, message, wParam, reinterpret_cast<LPARAM>(copy));
            handedBack.push_back(reinterpret_cast<HBITMAP>(before));
            return before;
        }
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
};

TEST_F(PaletteDpiChange, EveryBitmapThePictureHandsBackThatIsNotTheTemplatesIsFreed) {
    CopyingStatic::handedBack.clear();
    CopyingStatic::previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(palette, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CopyingStatic::Proc)));
    const int base = dialog.Dpi();
    MoveToDpi(dialog.Hwnd(), base, 2 * base);
    MoveToDpi(dialog.Hwnd(), 2 * base, 3 * base);
    MoveToDpi(dialog.Hwnd(), 3 * base, base);
    ASSERT_EQ(CopyingStatic::handedBack.size(), 3u);
    EXPECT_EQ(CopyingStatic::handedBack[0], original);
    EXPECT_EQ(GetObjectType(original), static_cast<DWORD>(OBJ_BITMAP)); // kept for the way back
    DestroyWindow(dialog.Hwnd()); // as a modal run ends: the control hands back its last copy
    // Read before anything else is made, which may take a freed handle's number again.
    ASSERT_EQ(CopyingStatic::handedBack.size(), 4u);
    for (size_t i = 1; i < CopyingStatic::handedBack.size(); ++i)
        EXPECT_EQ(GetObjectType(CopyingStatic::handedBack[i]), 0u) << "the copy handed back at change " << i;
    EXPECT_EQ(GetObjectType(original), 0u);
}

} // namespace
