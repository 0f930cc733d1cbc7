// The main window and its dialogs at the screen's DPI and with the prefix's fonts: the same
// checks pass at 96 DPI with the usual fonts in the usual session, and at other DPIs and with
// fonts of other metrics in sessions of their own.
#include "Driver.h"
#include "PatternWindow.h"
#include "logic/MainLayout.h"
#include "logic/color/ColorNotation.h"
#include "logic/ZoomGeometry.h"
#include "logic/PaneLayout.h"
#include "logic/ToolPanelLayout.h"
#include "win/Handles.h"
#include "win/LateBound.h"
#include "win/WindowRects.h"

#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwctype>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace e2e;

// The tests read and click physical pixels, as the program does; an unaware process would be
// handed coordinates scaled to 96 DPI. This runs before any test.
const bool kDpiAware = [] {
    const auto setContext =
        win::LateBoundFunction<BOOL WINAPI(HANDLE)>(L"user32.dll", "SetProcessDpiAwarenessContext");
    const auto perMonitorV2 = reinterpret_cast<HANDLE>(-4); // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    return (setContext && setContext(perMonitorV2)) || SetProcessDPIAware();
}();

// How the system's controls draw their texts, at 96 DPI: a group box's caption between
// indents at its corners, a push button's inside its edges, a check box's or radio button's
// beside its box and a gap.
constexpr int kGroupBoxIndent = 7, kButtonEdge = 3, kCheckBoxWithGap = 17;
constexpr POINT kZoomClick{30, 20};

// Direct children that are shown, with their rectangles in the parent's client area.
std::vector<std::pair<HWND, RECT>> VisibleChildren(HWND parent) {
    std::vector<std::pair<HWND, RECT>> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            children.emplace_back(child, RectInParent(child));
    return children;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    std::wstring lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
    return lower;
}

LONG ButtonType(HWND window) {
    return ClassOf(window) == L"button" ? GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK : -1;
}

// A picture control's window text names its bitmap resource; it shows no text.
bool IsPictureControl(HWND window) {
    return ClassOf(window) == L"static" && (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

std::string Describe(HWND window, const RECT& rect) {
    char place[96];
    snprintf(place, sizeof(place), " at (%ld, %ld, %ld, %ld)", rect.left, rect.top, rect.right, rect.bottom);
    const std::string text = IsPictureControl(window) ? "picture" : "\"" + Utf8(TextOf(window)) + "\"";
    return "control " + std::to_string(GetDlgCtrlID(window)) + " " + text + place;
}

// No two overlap, a group box and what lies wholly inside it aside.
void ExpectNoOverlaps(const std::vector<std::pair<HWND, RECT>>& children) {
    for (size_t i = 0; i < children.size(); ++i)
        for (size_t j = i + 1; j < children.size(); ++j) {
            const auto& [a, aRect] = children[i];
            const auto& [b, bRect] = children[j];
            if ((IsGroupBox(a) && Inside(bRect, aRect)) || (IsGroupBox(b) && Inside(aRect, bRect)))
                continue;
            RECT overlap;
            EXPECT_FALSE(IntersectRect(&overlap, &aRect, &bRect))
                << Describe(a, aRect) << " overlaps " << Describe(b, bRect);
        }
}

void ExpectTakesItsClick(HWND window, const RECT& screenRect) {
    const POINT centre{(screenRect.left + screenRect.right) / 2, (screenRect.top + screenRect.bottom) / 2};
    // A dialog is raised over its always-on-top owner a moment after it shows, and now and
    // then the owner comes over it again for a few milliseconds: a person sees the settled
    // order. An overlap stays.
    HWND target = nullptr;
    WaitFor([&] { return (target = ClickTarget(centre)) == window; }, 1000);
    EXPECT_EQ(target, window) << "at the centre of " << Describe(window, RectInParent(window)) << " lies a "
                              << Utf8(ClassOf(target)) << " \"" << Utf8(TextOf(target)) << "\"";
}

void ExpectTakesItsClick(HWND window) {
    ExpectTakesItsClick(window, win::ToRECT(win::ScreenRect(window)));
}

double CentreX(const RECT& rect) {
    return (rect.left + rect.right) / 2.0;
}

double CentreY(const RECT& rect) {
    return (rect.top + rect.bottom) / 2.0;
}

int TextWidth(HFONT font, const std::wstring& text) {
    const win::WindowDc dc(nullptr);
    const win::SelectScope selected(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// How far the text's ink reaches from where it starts: the last letter of some faces reaches
// past the text's measured width.
int InkWidth(HFONT font, const std::wstring& text) {
    const int width = TextWidth(font, text) + 32, height = 64;
    const win::WindowDc screen(nullptr);
    const win::MemoryDc memory(CreateCompatibleDC(screen.get()));
    const win::BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const HDC dc = memory.get();
    const win::SelectScope selectedBitmap(dc, bitmap.get()), selectedFont(dc, font);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    int right = 0;
    for (int y = 0; y < height; ++y)
        for (int x = right; x < width; ++x)
            if (GetPixel(dc, x, y) != RGB(255, 255, 255))
                right = x + 1;
    return right;
}

// The width a control leaves its text, as the controls draw themselves: a push button inside
// its edges, a check box or radio button beside its box, a group box between its corners.
int TextRoom(HWND control, int dpi) {
    const PixelRect client = win::ClientRect(control);
    switch (ButtonType(control)) {
    case -1:
        return client.right;
    case BS_GROUPBOX:
        return client.right - 2 * ScaleToDpi(kGroupBoxIndent, dpi);
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return client.right - 2 * ScaleToDpi(kButtonEdge, dpi);
    default:
        return client.right - ScaleToDpi(kCheckBoxWithGap, dpi);
    }
}

// Every text a control of the window shows fits in it, in the font of the window's template,
// its ink too. A group box clears and clips its caption to the caption's measured width, so
// there the ink must stay within that as well.
void ExpectTextsFit(HWND window, HFONT font, int dpi) {
    for (const auto& [child, rect] : VisibleChildren(window)) {
        const std::wstring text = TextOf(child);
        const std::wstring kind = ClassOf(child);
        // A button that draws itself shows no text: its text names it for screen readers.
        if (text.empty() || (kind != L"static" && kind != L"button") || IsPictureControl(child) ||
            ButtonType(child) == BS_OWNERDRAW)
            continue;
        const int measured = TextWidth(font, text), ink = InkWidth(font, text);
        EXPECT_LE(std::max(measured, ink), TextRoom(child, dpi)) << Describe(child, rect);
        if (IsGroupBox(child)) {
            EXPECT_LE(ink, measured) << "the caption's ink is cut in " << Describe(child, rect);
        }
    }
}

// The text with every digit the widest digit of the font: no colour gives a wider one.
std::wstring WidestForm(HFONT font, std::wstring text, const std::wstring& digits) {
    wchar_t widest = digits[0];
    for (wchar_t digit : digits)
        if (TextWidth(font, std::wstring(1, digit)) > TextWidth(font, std::wstring(1, widest)))
            widest = digit;
    for (wchar_t& c : text)
        if (digits.find(c) != std::wstring::npos)
            c = widest;
    return text;
}

using win::ToPixelRect;

class ScaledLayout : public WithTintra<> {
  protected:
    void SetUp() override {
        WithTintra::SetUp();
        ASSERT_TRUE(kDpiAware);
        ASSERT_TRUE(tintra.Start());
    }
    ::testing::AssertionResult StartMode(int buttonId) {
        const HWND button = tintra.PanelButton(buttonId);
        const PixelRect rect = win::ClientRect(button);
        return ClickFor(button, rect.right / 3, rect.bottom / 2,
                        "the main window holding the mouse for the mode",
                        [&] { return tintra.HoldsMouse(); });
    }
    bool RgbReads(ColorRef color) const {
        const std::wstring expected = NotationText(ColorNotation::Rgb, color);
        return WaitFor([&] { return tintra.InfoText(IDC_VALUE_RGB) == expected; });
    }

    const int dpi = ScreenDpi();
    const MainLayout layout = MainLayoutAt(dpi);
};

// The main window and its information panel, in English and in Russian.
class Layout : public WithTintra<::testing::TestWithParam<bool>> {
  protected:
    void SetUp() override {
        WithTintra::SetUp();
        ASSERT_TRUE(kDpiAware);
        StoreSetting(L"language", GetParam() ? 1 : 0);
        ASSERT_TRUE(tintra.Start());
    }
    // Clicks the tool button once and waits for the dialog it opens.
    HWND OpenDialog(int buttonId) {
        ClickControl(tintra.PanelButton(buttonId), ScaleToDpi(14, dpi), ScaleToDpi(10, dpi));
        HWND dialog = nullptr;
        WaitFor([&] { return (dialog = OwnedWindow(tintra.MainWindow())) != nullptr; });
        return dialog;
    }
    // Escape, pressed once, closes any of them. The owner is enabled again a moment before the
    // dialog is hidden, and a click that comes while it is still being activated can be lost.
    bool CloseDialog(HWND dialog) {
        PressKey(VK_ESCAPE);
        const HWND main = tintra.MainWindow();
        return WaitFor([&] {
            return !IsWindowVisible(dialog) && IsWindowEnabled(main) &&
                   GuiInfo(tintra.UiThread()).hwndActive == main;
        });
    }
    // What every dialog must hold: its children clear of each other and inside it, every
    // button taking its own click, every text inside its control.
    void ExpectDialogLayout(HWND dialog, int templateId, const std::vector<RECT>& paintedPictures) {
        const RECT client = win::ToRECT(win::ClientRect(dialog));
        auto children = VisibleChildren(dialog);
        for (const auto& [child, rect] : children)
            EXPECT_TRUE(Inside(rect, client))
                << Describe(child, rect) << " in " << client.right << " x " << client.bottom;
        for (const RECT& picture : paintedPictures) {
            EXPECT_TRUE(Inside(picture, client)) << "picture of " << picture.right << " x " << picture.bottom
                                                 << " in " << client.right << " x " << client.bottom;
            children.emplace_back(dialog, picture);
        }
        ExpectNoOverlaps(children);
        for (const auto& [child, rect] : VisibleChildren(dialog)) {
            const LONG type = ButtonType(child);
            const bool notifyingPicture =
                ClassOf(child) == L"static" && (GetWindowLongW(child, GWL_STYLE) & SS_NOTIFY);
            if ((type != -1 && type != BS_GROUPBOX) || notifyingPicture || ClassOf(child) == L"combobox")
                ExpectTakesItsClick(child);
        }
        const TemplateCopy copy(templateId);
        ExpectTextsFit(dialog, copy.Font(), dpi);
    }

    const int dpi = ScreenDpi();
};

std::string LanguageName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "Russian" : "English";
}

INSTANTIATE_TEST_SUITE_P(Languages, Layout, ::testing::Values(false, true), LanguageName);

// The widest text of each row: no colour gives a text of more digits. Indexed by notation.
constexpr const wchar_t* kLongestValues[] = {L"16777215", L"255, 255, 255", L"FFFFFF", L"359, 255, 255",
                                             L"100, 100, 100, 100"};

std::wstring WidestValue(ColorNotation notation, HFONT font) {
    return WidestForm(font, kLongestValues[static_cast<int>(notation)],
                      notation == ColorNotation::Hex ? L"0123456789ABCDEF" : L"0123456789");
}

TEST_P(Layout, MainWindowPartsSitByWhatTheyBelongToAndTakeTheirClicks) {
    const HWND main = tintra.MainWindow();
    const RECT client = win::ToRECT(win::ClientRect(main));
    const auto children = VisibleChildren(main);
    for (const auto& [child, rect] : children)
        EXPECT_TRUE(Inside(rect, client)) << Describe(child, rect);
    ExpectNoOverlaps(children);

    // Each lock over its slider.
    for (int channel = 0; channel < 3; ++channel) {
        const RECT lock = RectInParent(tintra.Control(kChannels[channel].lockId));
        const RECT slider = RectInParent(tintra.Control(IDC_SLIDER_RED + channel));
        std::printf("%d DPI: lock %d at x %ld, centre %.1f; slider centre %.1f\n", dpi, channel, lock.left,
                    CentreX(lock), CentreX(slider));
        EXPECT_LE(std::fabs(CentreX(lock) - CentreX(slider)), 2.0) << "lock " << channel;
        ExpectTakesItsClick(tintra.Control(kChannels[channel].lockId));
        ExpectTakesItsClick(tintra.Control(IDC_SLIDER_RED + channel));
    }
    // Each pane of the display and each tool button.
    const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
    const PixelRect displayClient = win::ClientRect(display);
    for (const PixelRect& pane : LayoutPanes(4, displayClient.right, displayClient.bottom)) {
        RECT rect = win::ToRECT(pane);
        MapWindowPoints(display, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        ExpectTakesItsClick(display, rect);
    }
    for (int i = 0; i < kToolButtonCount; ++i)
        ExpectTakesItsClick(tintra.PanelButton(IDC_BUTTON_COLOR_DIALOG + i));

    // The panel's rows and marks inside its one-pixel frame, clear of each other; each mark on
    // its row.
    const HWND info = tintra.InfoPanel();
    RECT inside = win::ToRECT(win::ClientRect(info));
    InflateRect(&inside, -1, -1);
    const auto rows = VisibleChildren(info);
    EXPECT_EQ(rows.size(), 15u); // five labels, five values, five marks
    for (const auto& [child, rect] : rows)
        EXPECT_TRUE(Inside(rect, inside)) << Describe(child, rect);
    ExpectNoOverlaps(rows);
    for (const NotationRow& row : kNotationRows) {
        const HWND mark = GetDlgItem(info, row.markId);
        const RECT markRect = RectInParent(mark);
        const RECT label = RectInParent(GetDlgItem(info, row.labelId));
        std::printf("%d DPI: mark %d at y %ld, centre %.1f; row centre %.1f\n", dpi, row.markId, markRect.top,
                    CentreY(markRect), CentreY(label));
        EXPECT_LE(std::fabs(CentreY(markRect) - CentreY(label)), 1.0) << "mark " << row.markId;
        ExpectTakesItsClick(mark);
    }

    // Every text fits, the widest of each row too.
    const TemplateCopy mainCopy(IDD_TINTRA);
    ExpectTextsFit(main, mainCopy.Font(), dpi);
    const TemplateCopy infoCopy(IDD_INFO, mainCopy.Hwnd());
    ExpectTextsFit(info, infoCopy.Font(), dpi);
    for (const NotationRow& row : kNotationRows) {
        const HWND value = GetDlgItem(info, row.valueId);
        const std::wstring widest = WidestValue(row.notation, infoCopy.Font());
        EXPECT_LE(std::max(TextWidth(infoCopy.Font(), widest), InkWidth(infoCopy.Font(), widest)),
                  TextRoom(value, dpi))
            << "\"" << Utf8(widest) << "\", " << TextWidth(infoCopy.Font(), widest) << " wide, in "
            << Describe(value, RectInParent(value));
    }
}

TEST_P(Layout, DialogsHoldTheirPicturesAndEveryControlHasItsOwnPlace) {
    // The about dialog paints its banner at its top left, at the screen's scale.
    BITMAP banner{};
    const win::BitmapHandle bannerBitmap(
        LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_ABOUT_BANNER)));
    GetObjectW(bannerBitmap.get(), sizeof(banner), &banner);
    ASSERT_GT(banner.bmWidth, 0);
    const struct {
        int buttonId, templateId;
        std::vector<RECT> pictures;
    } dialogs[] = {{IDC_BUTTON_COLOR_DIALOG, IDD_COLOR, {}},
                   {IDC_BUTTON_OPTIONS, IDD_OPTIONS, {}},
                   {IDC_BUTTON_ABOUT, IDD_ABOUT,
                    {RECT{0, 0, ScaleToDpi(banner.bmWidth, dpi), ScaleToDpi(banner.bmHeight, dpi)}}}};
    for (const auto& [buttonId, templateId, pictures] : dialogs) {
        SCOPED_TRACE(templateId);
        const HWND dialog = OpenDialog(buttonId);
        ASSERT_NE(dialog, nullptr);
        ExpectDialogLayout(dialog, templateId, pictures);
        ASSERT_TRUE(CloseDialog(dialog));
    }
}

TEST_F(ScaledLayout, EveryPixelMeasureFollowsTheScreensDpi) {
    const HWND main = tintra.MainWindow();
    const RECT client = win::ToRECT(win::ClientRect(main));
    std::printf("client size at %d DPI: %ld x %ld\n", dpi, client.right, client.bottom);
    RecordProperty("client_size", std::to_string(client.right) + " x " + std::to_string(client.bottom));

    EXPECT_EQ(ToPixelRect(RectInParent(tintra.Control(IDC_COLOR_DISPLAY))), layout.colorDisplay);
    // The locks' x follows their sliders (Layout checks that).
    for (size_t i = 0; i < 3; ++i) {
        const RECT lock = RectInParent(tintra.Control(kChannels[i].lockId));
        EXPECT_EQ(lock.top, layout.locks[i].top) << i;
        EXPECT_EQ(lock.right - lock.left, layout.locks[i].Width()) << i;
        EXPECT_EQ(lock.bottom - lock.top, layout.locks[i].Height()) << i;
    }
    const RECT info = RectInParent(tintra.InfoPanel());
    EXPECT_EQ(info.left, layout.infoLeft);
    EXPECT_EQ(info.top, layout.infoTop);
    EXPECT_EQ(ToPixelRect(RectInParent(tintra.Control(IDC_TOOL_PANEL))),
              (PixelRect{0, client.bottom - layout.toolPanelHeight, client.right, client.bottom}));
    for (int i = 0; i < kToolButtonCount; ++i)
        EXPECT_EQ(ToPixelRect(RectInParent(tintra.PanelButton(IDC_BUTTON_COLOR_DIALOG + i))),
                  ToolButtonRect(i, layout.toolPanelHeight, dpi))
            << i;
}

TEST_F(ScaledLayout, PickingReadsTheExactPixelAndTheViewShowsExactBlocks) {
    const PixelRect main = win::ScreenRect(tintra.MainWindow());
    PatternWindow pattern;
    ASSERT_TRUE(pattern.Show(POINT{main.right + 40, main.top + 40}));

    for (POINT at : {POINT{0, 0}, POINT{17, 9}, POINT{63, 47}}) {
        SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
        ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
        ClickAt(pattern.ScreenPointOf(at.x, at.y));
        EXPECT_TRUE(RgbReads(PatternWindow::ColorAt(at.x, at.y)));
    }

    const int block = ZoomBlockAt(dpi);
    const int width = kZoomSourceWidth * block, height = kZoomSourceHeight * block;
    ScreenArea capture{ZoomCaptureArea({kZoomClick.x, kZoomClick.y}, dpi), {}};
    for (int y = capture.area.top; y < capture.area.bottom; ++y)
        for (int x = capture.area.left; x < capture.area.right; ++x)
            capture.pixels.push_back(ToArgb(PatternWindow::ColorAt(x, y)));
    const std::vector<Argb> image =
        WithGrid(Magnify(capture, ZoomViewAround({kZoomClick.x, kZoomClick.y}, dpi)), width, height, block,
                 GridLineWidth(block));
    // The part of the view inside the display's frame, as the screen shows it and as expected.
    const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
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

    ASSERT_TRUE(StartMode(IDC_BUTTON_ZOOM));
    ClickAt(pattern.ScreenPointOf(kZoomClick.x, kZoomClick.y));
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(display, win::ToRECT(visible)) == expected; }));
    // The middle of the block at the centre of the view is the pixel clicked on the screen.
    const int x = offset.x + kZoomSourceWidth / 2 * block + block / 2,
              y = offset.y + kZoomSourceHeight / 2 * block + block / 2;
    EXPECT_TRUE(ClickFor(display, x, y, "the clicked pixel's colour in the RGB row", [&] {
        return tintra.InfoText(IDC_VALUE_RGB) ==
               NotationText(ColorNotation::Rgb, PatternWindow::ColorAt(kZoomClick.x, kZoomClick.y));
    }));
}

} // namespace
