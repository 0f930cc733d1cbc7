#include "Driver.h"
#include "PatternWindow.h"
#include "logic/Palette.h"
#include "logic/PaneLayout.h"
#include "logic/Theme.h"
#include "win/Colors.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace e2e;

// The system colour dialog's grid of basic colours: 8 columns, 6 rows.
constexpr int kBasicColorsArea = 0x2D0, kBasicColumns = 8, kBasicRows = 6;

class Dialogs : public WithTintra<> {
  protected:
    HWND Main() const { return tintra.MainWindow(); }
    // Clicks the tool button and waits for the dialog it opens.
    HWND Open(int buttonId, const wchar_t* caption) {
        HWND dialog = nullptr;
        EXPECT_TRUE(ClickFor(tintra.PanelButton(buttonId), 14, 10, "its dialog opening",
                             [&] { return (dialog = OwnedWindow(Main(), caption)) != nullptr; }));
        return dialog;
    }
    HWND OpenColorDialog() { return Open(IDC_BUTTON_COLOR_DIALOG, L"Color Dialog"); }
    HWND OpenOptions() { return Open(IDC_BUTTON_OPTIONS, L"Options"); }
    // Clicks a control of a dialog that closes it, and waits until the main window is back.
    ::testing::AssertionResult ClickClosing(HWND dialog, int id, int x = 5, int y = 5) {
        const HWND control = GetDlgItem(dialog, id);
        ::testing::AssertionResult closed =
            ClickFor(control, x, y, "the dialog closing", [&] { return !IsWindow(dialog); });
        if (closed && !EndsModal())
            return ::testing::AssertionFailure() << "the main window stays disabled after its dialog closed";
        return closed;
    }
    bool EndsModal() const {
        return WaitFor([&] { return IsWindowEnabled(Main()) != FALSE; });
    }
    void ClickCheck(HWND dialog, int id) {
        const HWND button = GetDlgItem(dialog, id);
        EXPECT_TRUE(ClickFor(button, 5, 5, "the button checked",
                             [&] { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    }
    bool RgbReads(const std::wstring& text) const {
        return WaitFor([&] { return tintra.InfoText(IDC_VALUE_RGB) == text; });
    }
    void PickFromPalette(int x, int y) {
        const HWND dialog = OpenColorDialog();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(ClickClosing(dialog, IDC_PALETTE, x, y));
    }
    // A double click at that point of a dialog, whose first click ends the dialog, with the
    // dialog moved so that the point lies over pane 1, not the active pane 0: the rest of the
    // double click must not reach that pane.
    ::testing::AssertionResult DoubleClickEndingOverAPane(HWND dialog, POINT point) {
        const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
        const PixelRect client = win::ClientRect(display);
        const std::vector<PixelRect> panes = LayoutPanes(4, client.right, client.bottom);
        const POINT at =
            OnScreen(display, (panes[1].left + panes[1].right) / 2, (panes[1].top + panes[1].bottom) / 2);
        const PixelRect rect = win::ScreenRect(dialog);
        const POINT target{rect.left + at.x - point.x, rect.top + at.y - point.y};
        SetWindowPos(dialog, nullptr, target.x, target.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const PixelRect moved{target.x, target.y, target.x + rect.Width(), target.y + rect.Height()};
        if (!WaitFor([&] { return win::ScreenRect(dialog) == moved; }))
            return ::testing::AssertionFailure() << "the dialog could not be moved over the panes";
        TapAt(at);
        if (!WaitFor([&] { return !IsWindow(dialog); }))
            return ::testing::AssertionFailure() << "the first click did not end the dialog";
        TapAt(at); // the second click of the double click, on the pane that is now under it
        // A key after it, given once the main window is in front again, as a hand would (typed
        // before then, it goes to no window): once its effect shows, the click has been handled too.
        WaitFor([&] { return GetForegroundWindow() == Main(); });
        PressKey('1');
        if (!ScreenShows(tintra.Control(IDC_LOCK_RED), 2, 7, kChannels[0].latchedFace))
            return ::testing::AssertionFailure() << "the main window took no key after the dialog";
        if (!ScreenShows(display, panes[0].left, panes[0].top + 20, kActivePaneFrame))
            return ::testing::AssertionFailure() << "the rest of the double click chose the pane under it";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(Dialogs, EachToolButtonAndItsKeyOpenItsDialogModallyOverTheMainWindow) {
    Start();
    // Room on every side, so that centring is not cut short by the screen's edge.
    SetWindowPos(Main(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const struct {
        int buttonId;
        WORD key;
        const wchar_t* caption;
    } commands[] = {{IDC_BUTTON_COLOR_DIALOG, 'D', L"Color Dialog"},
                    {IDC_BUTTON_OPTIONS, 'O', L"Options"},
                    {IDC_BUTTON_ABOUT, 'A', L"About"}};
    for (const auto& command : commands)
        for (bool byKey : {false, true}) {
            SCOPED_TRACE(Utf8(command.caption) + (byKey ? " by its key" : " by its button"));
            HWND dialog = nullptr;
            if (byKey) {
                ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == Main(); }));
                EXPECT_TRUE(PressKeyFor(command.key, "its dialog opening", [&] {
                    return (dialog = OwnedWindow(Main(), command.caption)) != nullptr;
                }));
            } else {
                dialog = Open(command.buttonId, command.caption);
            }
            ASSERT_NE(dialog, nullptr);
            EXPECT_FALSE(IsWindowEnabled(Main()));
            const PixelRect main = win::ScreenRect(Main()), own = win::ScreenRect(dialog);
            EXPECT_LE(std::abs((main.left + main.right) / 2 - (own.left + own.right) / 2), 1);
            WaitFor([&] { return GetForegroundWindow() == dialog; });
            EXPECT_TRUE(PressKeyFor(VK_ESCAPE, "the dialog closing", [&] { return !IsWindow(dialog); }));
            EXPECT_TRUE(EndsModal());
        }
}

TEST_F(Dialogs, APaletteClickMakesTheSwatchColourCurrentAndReleasesTheLocks) {
    Start();
    const HWND redLock = tintra.Control(IDC_LOCK_RED);
    ASSERT_TRUE(ClickFor(redLock, 4, 5, "the red padlock latched",
                         [&] { return ScreenPixel(redLock, 2, 7) == kChannels[0].latchedFace; }));
    PickFromPalette(186, 30);
    EXPECT_TRUE(RgbReads(L"255, 131, 0"));
    EXPECT_EQ(TrackbarPos(tintra.Control(IDC_SLIDER_RED)), 255);
    EXPECT_EQ(TrackbarPos(tintra.Control(IDC_SLIDER_GREEN)), 131);
    EXPECT_TRUE(ScreenShows(tintra.Control(IDC_COLOR_DISPLAY), 40, 30, RGB(255, 131, 0)));
    EXPECT_TRUE(ScreenShows(redLock, 2, 7, kReleasedLockFace));
    // A line between the swatches is black.
    PickFromPalette(180, 30);
    EXPECT_TRUE(RgbReads(L"0, 0, 0"));
}

TEST_F(Dialogs, ADoubleClickOnASwatchGivesTheSwatchsColourWhateverLiesUnderIt) {
    Start();
    const HWND dialog = OpenColorDialog();
    ASSERT_NE(dialog, nullptr);
    constexpr int kRow = 2, kColumn = 7;
    const POINT swatch = OnScreen(GetDlgItem(dialog, IDC_PALETTE), kPaletteCell * kColumn + kPaletteCell / 2,
                                  kPaletteCell * kRow + kPaletteCell / 2);
    ASSERT_TRUE(DoubleClickEndingOverAPane(dialog, swatch));
    EXPECT_EQ(tintra.InfoText(IDC_VALUE_RGB), NotationText(ColorNotation::Rgb, ToColorRef(PaletteSwatch(kRow, kColumn))));
}

TEST_F(Dialogs, MoreColorsThenCancelChangesNothingAndOkSetsTheChosenColour) {
    Start();
    PickFromPalette(186, 30);
    ASSERT_TRUE(RgbReads(L"255, 131, 0"));
    for (bool confirm : {false, true}) {
        const HWND dialog = OpenColorDialog();
        ASSERT_NE(dialog, nullptr);
        HWND system = nullptr;
        ASSERT_TRUE(ClickFor(GetDlgItem(dialog, IDC_MORE_COLORS), 5, 5, "the system colour dialog opening",
                             [&] { return (system = OwnedWindow(Main(), L"Color")) != nullptr; }));
        WaitFor([&] { return GetForegroundWindow() == system; });
        // Its colours are painted some time after it shows; this paints them before the screen is read.
        RedrawWindow(system, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_FALSE(IsWindowEnabled(Main()));
        if (!confirm) {
            ASSERT_TRUE(ClickClosing(system, IDCANCEL));
            EXPECT_TRUE(RgbReads(L"255, 131, 0"));
            continue;
        }
        // A basic colour. The choice draws a focus frame round the colour's cell; its centre
        // keeps the colour, read once the frame shows, when the dialog has surely been painted.
        const HWND basics = GetDlgItem(system, kBasicColorsArea);
        const PixelRect area = win::ClientRect(basics);
        const int x = area.right * 5 / (2 * kBasicColumns), y = area.bottom * 3 / (2 * kBasicRows);
        const RECT cell{area.right * 2 / kBasicColumns, area.bottom / kBasicRows,
                        area.right * 3 / kBasicColumns, area.bottom * 2 / kBasicRows};
        const std::vector<Argb> before = ScreenPixels(basics, cell);
        ASSERT_TRUE(ClickFor(basics, x, y, "a focus frame round the chosen colour",
                             [&] { return ScreenPixels(basics, cell) != before; }));
        const COLORREF chosen = ScreenPixel(basics, x, y);
        ASSERT_TRUE(DoubleClickEndingOverAPane(system, MiddleOf(GetDlgItem(system, IDOK))));
        EXPECT_TRUE(RgbReads(NotationText(ColorNotation::Rgb, win::ToColorRef(chosen))));
    }
}

TEST_F(Dialogs, OptionsWithSixPanesShowSixPanesWithPaneZeroActiveAndTheColourKept) {
    Start();
    const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
    const PixelRect client = win::ClientRect(display);
    // Pane 1 active and orange; pane 0 stays black.
    const PixelRect second = LayoutPanes(4, client.right, client.bottom)[1];
    ASSERT_TRUE(ClickFor(display, second.left + 20, second.top + 20, "pane 1 framed as the active one", [&] {
        return ScreenPixel(display, second.left, second.top + 20) == kActivePaneFrame;
    }));
    PickFromPalette(186, 30);
    ASSERT_TRUE(RgbReads(L"255, 131, 0"));

    const HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    const HWND box = GetDlgItem(options, IDC_PANE_COUNT);
    ASSERT_TRUE(ClickFor(box, 10, 5, "the list of pane counts dropped",
                         [&] { return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == TRUE; }));
    ASSERT_TRUE(PressKeyFor('6', "six chosen in the list",
                            [&] { return SendMessageW(box, CB_GETCURSEL, 0, 0) == 3; }));
    // A click on the chosen line closes the list, as a person closes it before going on.
    COMBOBOXINFO combo{sizeof(combo)};
    ASSERT_TRUE(SendWithRemoteData(box, CB_GETCOMBOBOXINFO, 0, &combo, sizeof(combo)));
    RECT line{};
    ASSERT_TRUE(SendWithRemoteData(combo.hwndList, LB_GETITEMRECT, 3, &line, sizeof(line)));
    ASSERT_TRUE(ClickFor(combo.hwndList, (line.left + line.right) / 2, (line.top + line.bottom) / 2,
                         "the list closed with six chosen", [&] {
                             return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == FALSE &&
                                    SendMessageW(box, CB_GETCURSEL, 0, 0) == 3;
                         }));
    // Then the first click on Apply closes the dialog.
    ASSERT_TRUE(ClickClosing(options, IDOK));

    const auto panes = LayoutPanes(6, client.right, client.bottom);
    ASSERT_EQ(panes.size(), 6u);
    EXPECT_TRUE(ScreenShows(display, panes[0].left, panes[0].top + 20, kActivePaneFrame));
    EXPECT_TRUE(ScreenShows(display, panes[0].left + 20, panes[0].top + 20, RGB(0, 0, 0)));
    EXPECT_TRUE(ScreenShows(display, panes[1].left + 20, panes[1].top + 20, RGB(255, 131, 0)));
    // The panes there were keep their colours; the new ones start white.
    for (size_t i = 2; i < panes.size(); ++i)
        EXPECT_TRUE(ScreenShows(display, panes[i].left + 20, panes[i].top + 20,
                                i < 4 ? RGB(0, 0, 0) : RGB(255, 255, 255)))
            << i;
    EXPECT_TRUE(RgbReads(L"255, 131, 0"));
    EXPECT_EQ(TrackbarPos(tintra.Control(IDC_SLIDER_GREEN)), 131);
}

TEST_F(Dialogs, AConfirmedThemeRecoloursTheWindowAndBothPanelsAndACancelledOneDoesNot) {
    Start();
    for (bool confirm : {false, true}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        const HWND options = OpenOptions();
        ASSERT_NE(options, nullptr);
        ClickCheck(options, IDC_THEME_6);
        ASSERT_TRUE(ClickClosing(options, confirm ? IDOK : IDCANCEL));
        // The closed dialog covered these points: wait for the repaint, which shows the theme then in force.
        const auto [face, panel] = LookupTheme(confirm ? 6 : kDefaultTheme);
        EXPECT_TRUE(ScreenShows(Main(), 195, 60, win::ToCOLORREF(face)));
        EXPECT_TRUE(ScreenShows(tintra.InfoPanel(), 60, 40, win::ToCOLORREF(panel)));
        EXPECT_TRUE(ScreenShows(tintra.Control(IDC_TOOL_PANEL), 2, 14, win::ToCOLORREF(panel)));
    }
}

TEST_F(Dialogs, StartWithWindowsTickedInTheOptionsIsEnteredOnClosingAndUntickedTakenOut) {
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "ticked" : "unticked");
        Start();
        const HWND options = OpenOptions();
        ASSERT_NE(options, nullptr);
        const HWND box = GetDlgItem(options, IDC_AUTOSTART);
        // The box shows what the last run saved.
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), on ? BST_UNCHECKED : BST_CHECKED);
        ASSERT_TRUE(ClickFor(box, 5, 5, on ? "the box ticked" : "the box unticked", [&] {
            return SendMessageW(box, BM_GETCHECK, 0, 0) == (on ? BST_CHECKED : BST_UNCHECKED);
        }));
        ASSERT_TRUE(ClickClosing(options, IDOK));
        EXPECT_EQ(tintra.CloseAndWait(), 0);
        EXPECT_EQ(StartupEntry(HKEY_CURRENT_USER), on ? L"\"" + ProgramPath() + L"\"" : L"<none>");
    }
    RemoveStartupEntries();
}

TEST_F(Dialogs, AChangedLanguageBringsTheRestartNoteInTheOldLanguage) {
    for (auto [startRussian, other] : {std::pair{false, IDC_RUSSIAN}, std::pair{true, IDC_ENGLISH}}) {
        SCOPED_TRACE(startRussian);
        // Not the red lock the first run latched and saved: the key must latch it again.
        ClearSettings();
        StoreSetting(L"language", startRussian ? 1 : 0);
        Start();
        const HWND options = Open(IDC_BUTTON_OPTIONS, startRussian ? L"Опции Программы" : L"Options");
        ASSERT_NE(options, nullptr);
        ClickCheck(options, other);
        ASSERT_TRUE(ClickFor(GetDlgItem(options, IDOK), 5, 5, "the options dialog closing",
                             [&] { return !IsWindow(options); }));
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = OwnedWindow(Main(), L"Tintra")) != nullptr; }));
        EXPECT_TRUE(HasChildWithText(box, kRestartNote[startRussian]));
        EXPECT_FALSE(IsWindowEnabled(Main()));
        ASSERT_TRUE(DoubleClickEndingOverAPane(box, MiddleOf(GetDlgItem(box, IDOK))));
        EXPECT_EQ(tintra.CloseAndWait(), 0);
    }
}

TEST_F(Dialogs, RussianThenEnglishBringsNoNote) {
    Start();
    const HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    ClickCheck(options, IDC_RUSSIAN);
    ClickCheck(options, IDC_ENGLISH);
    ASSERT_TRUE(ClickClosing(options, IDOK));
    // Once the main window answers again, a note would be showing.
    DWORD_PTR answer;
    SendMessageTimeoutW(Main(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
    EXPECT_EQ(OwnedWindow(Main(), L"Tintra"), nullptr);
    EXPECT_TRUE(IsWindowEnabled(Main()));
}

} // namespace
