#include "../win/AccessibleReader.h"
#include "Driver.h"
#include "display/ScreenCopy.h"
#include "PatternWindow.h"
#include "logic/Loupe.h"
#include "logic/color/ClipboardText.h"
#include "logic/color/ColorNotation.h"
#include "logic/ZoomGeometry.h"
#include "win/Colors.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace e2e;

constexpr wchar_t kCursorMarker[] = L"cursors_replaced";
// A point of the pattern with all 44 x 32 pixels around it inside the pattern.
constexpr POINT kZoomClick{30, 20};

class Picking : public WithTintra<> {
  protected:
    void SetUp() override {
        WithTintra::SetUp();
        ASSERT_TRUE(tintra.Start());
        display = tintra.Control(IDC_COLOR_DISPLAY);
        const PixelRect main = win::ScreenRect(tintra.MainWindow());
        ASSERT_TRUE(pattern.Show(POINT{main.right + 40, main.top + 40}));
    }

    HWND Button(int id) const { return tintra.PanelButton(id); }
    // A key given after some clicks: once its effect shows, the clicks before it have been
    // handled as well, since the program takes its input in the order it was given.
    bool RedLockLatchesAfterwards() {
        PressKey('1');
        return WaitFor(
            [&] { return ScreenPixel(tintra.Control(IDC_LOCK_RED), 2, 7) == kChannels[0].latchedFace; });
    }
    bool IsDown(int id) const { return ScreenPixel(Button(id), 1, 1) == RGB(0x9A, 0x9A, 0x9A); }
    // Latches a picking button; true once the main window holds the mouse for the mode.
    // Each time a few pixels away from the last, so that no click is taken for a double-click.
    ::testing::AssertionResult StartMode(int id) {
        const int x = 8 + (modeStarts++ % 3) * 6;
        return ClickFor(Button(id), x, 10, "the main window holding the mouse for the picking mode",
                        [&] { return tintra.HoldsMouse(); });
    }
    // The mode takes the mouse before it replaces the cursors and writes the marker.
    bool MarkerWritten() const {
        const long long process = GetProcessId(tintra.Handle());
        return WaitFor([&] { return ReadSetting(kCursorMarker) == process; });
    }
    ::testing::AssertionResult RowsShow(ColorRef color) {
        for (const NotationRow& row : kNotationRows) {
            const std::wstring expected = NotationText(row.notation, color);
            if (!WaitFor([&] { return tintra.InfoText(row.valueId) == expected; })) {
                const std::wstring shown = tintra.InfoText(row.valueId);
                return ::testing::AssertionFailure()
                       << "row " << row.valueId << " reads " << std::string(shown.begin(), shown.end());
            }
        }
        return ::testing::AssertionSuccess();
    }
    void LatchRedLock() {
        const HWND lock = tintra.Control(IDC_LOCK_RED);
        ASSERT_TRUE(ClickFor(lock, 4, 5, "the red padlock latched",
                             [&] { return ScreenPixel(lock, 2, 7) == kChannels[0].latchedFace; }));
    }
    // The magnified view of the pattern around kZoomClick, as the display shows it: the rows
    // under the display's frame left out.
    std::vector<Argb> ExpectedView(bool grid, int factor = kZoomFactor) const {
        ScreenArea capture{ZoomCaptureArea({kZoomClick.x, kZoomClick.y}), {}};
        for (int y = capture.area.top; y < capture.area.bottom; ++y)
            for (int x = capture.area.left; x < capture.area.right; ++x)
                capture.pixels.push_back(ToArgb(PatternWindow::ColorAt(x, y)));
        const std::vector<Argb> plain =
            Magnify(capture, ZoomViewAround({kZoomClick.x, kZoomClick.y}, 96, factor));
        const std::vector<Argb> image = grid ? WithGrid(plain, kZoomWidth, kZoomHeight, factor) : plain;
        return std::vector<Argb>(image.begin() + kZoomWidth, image.end() - kZoomWidth);
    }
    std::vector<Argb> ShownView() const {
        const PixelRect client = win::ClientRect(display);
        const PixelPoint offset = ZoomImageOffset(client.right, client.bottom);
        return ScreenPixels(display,
                            RECT{offset.x, offset.y + 1, offset.x + kZoomWidth, offset.y + kZoomHeight - 1});
    }
    bool ShowsView(int factor = kZoomFactor) const {
        return WaitFor([&] { return ShownView() == ExpectedView(true, factor); });
    }
    void ShowZoomedPattern(int factor = kZoomFactor) {
        ASSERT_TRUE(StartMode(IDC_BUTTON_ZOOM));
        ClickAt(pattern.ScreenPointOf(kZoomClick.x, kZoomClick.y));
        ASSERT_TRUE(ShowsView(factor));
    }
    ::testing::AssertionResult PaneShows(int pane, ColorRef color) const {
        constexpr POINT kPaneMiddles[] = {{46, 33}, {133, 33}, {46, 96}, {133, 96}};
        const POINT at = kPaneMiddles[pane];
        return ScreenShows(display, at.x, at.y, win::ToCOLORREF(color));
    }

    HWND Loupe() const { return ShownLoupe(tintra.MainWindow()); }
    // The loupe shows the pattern around that pixel at the factor (the framed middle block and
    // those two to either side), names its colour and place, keeps clear of the pixels it shows
    // and of `clear`, lies on the screen and is not the active window.
    ::testing::AssertionResult LoupeShows(POINT at, int factor = kZoomFactor,
                                          const PixelRect& clear = {}) const {
        const POINT screen = pattern.ScreenPointOf(at.x, at.y);
        const LoupeView view = LoupeViewAround({screen.x, screen.y}, 96, factor);
        const PixelRect middle = FramedSquare(view, 1);
        const std::wstring name = NotationText(ColorNotation::Colref, PatternWindow::ColorAt(at.x, at.y)) +
                                  L", " + std::to_wstring(screen.x) + L", " + std::to_wstring(screen.y);
        std::string seen = "no loupe";
        const bool shows = WaitFor([&] {
            const HWND loupe = Loupe();
            if (!loupe)
                return false;
            const PixelRect place = win::ScreenRect(loupe);
            const std::wstring named = AccessibleReader(loupe).Name();
            seen = "the loupe named " + Utf8(named);
            for (int dx : {-2, 0, 2})
                if (win::ToColorRef(
                        ScreenPixel(loupe, kLoupePadding + middle.left + dx * view.block + view.block / 2,
                                    kLoupePadding + middle.top + view.block / 2)) !=
                    PatternWindow::ColorAt(at.x + dx, at.y))
                    return false;
            return Intersect(place, view.source).IsEmpty() && Intersect(place, clear).IsEmpty() &&
                   Intersect(place, VirtualScreen()) == place && GetForegroundWindow() != loupe &&
                   named == name;
        });
        return shows ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << seen;
    }

    PatternWindow pattern;
    HWND display = nullptr;
    int modeStarts = 0;
};

TEST_F(Picking, ColourPickerTakesExactPixelsOfAnotherWindowEverywhere) {
    LatchRedLock();
    for (POINT at : {POINT{0, 0}, POINT{17, 9}, POINT{63, 47}}) {
        SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
        const ColorRef color = PatternWindow::ColorAt(at.x, at.y);
        ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
        ClickAt(pattern.ScreenPointOf(at.x, at.y));
        EXPECT_TRUE(RowsShow(color));
        EXPECT_TRUE(WaitFor([&] { return !tintra.HoldsMouse() && !IsDown(IDC_BUTTON_PICKER); }));
        EXPECT_TRUE(WaitFor(
            [&] { return win::ToColorRef(ScreenPixel(display, 40, 30)) == color; })); // the active pane
        EXPECT_EQ(SendMessageW(tintra.Control(IDC_SLIDER_RED), TBM_GETPOS, 0, 0), RedOf(color));
        EXPECT_EQ(SendMessageW(tintra.Control(IDC_SLIDER_BLUE), TBM_GETPOS, 0, 0), BlueOf(color));
    }
    EXPECT_TRUE(ScreenShows(tintra.Control(IDC_LOCK_RED), 2, 7, kReleasedLockFace));
    EmptyTheClipboard();
    EXPECT_TRUE(PressKeyFor(VK_RETURN, "the picked colour on the clipboard", [&] {
        return ClipboardText() == ClipboardText(ColorNotation::Colref, PatternWindow::ColorAt(63, 47));
    })) << ClipboardText();
}

TEST_F(Picking, ZoomedPickerShowsExactBlocksWithTheGridAndPicksTheClickedPixel) {
    ShowZoomedPattern();
    EXPECT_FALSE(tintra.HoldsMouse());
    EXPECT_TRUE(IsDown(IDC_BUTTON_ZOOM));
    EXPECT_TRUE(RowsShow(ColorRef{})); // the first click chooses the area, not a colour
    // Display point (90, 65) is zoom pixel (88, 64): the clicked screen pixel.
    ASSERT_TRUE(
        ClickFor(display, 90, 65, "the zoom button up again", [&] { return !IsDown(IDC_BUTTON_ZOOM); }));
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(kZoomClick.x, kZoomClick.y)));
    EXPECT_TRUE(ScreenShows(display, 3, 40, kActivePaneFrame)); // panes again
}

// Arrows move the pointer by one screen pixel (with Shift ten) and Enter takes the pixel under
// it; while the picker waits the arrows leave the active pane of the focused display, afterwards
// they move it again. Every key of a quick run counts, also an arrow's auto-repeat, though the
// display reports each move back late; a held Enter takes one colour and copies none.
TEST_F(Picking, KeysMoveThePointerByExactPixelsAndEnterTakesThePixelUnderIt) {
    ASSERT_TRUE(ClickFor(display, 46, 33, "the display focused",
                         [&] { return FocusOf(tintra.UiThread()) == display; }));
    ASSERT_TRUE(PressKeyFor('P', "the picker waiting", [&] { return tintra.HoldsMouse(); }));
    ASSERT_TRUE(RestPointerAt(pattern.ScreenPointOf(10, 10)));
    TypeKeys({VK_RIGHT, VK_RIGHT}, 40);
    PressChord({}, VK_RIGHT, 2); // held
    PressKey(VK_DOWN);
    ASSERT_TRUE(PointerRestsAt(pattern.ScreenPointOf(14, 11)));
    EXPECT_TRUE(LoupeShows({14, 11}));
    PutOnClipboard(std::string("kept"));
    PressChord({}, VK_RETURN, 6); // held
    ASSERT_TRUE(WaitFor([&] { return !tintra.HoldsMouse(); }));
    EXPECT_EQ(Loupe(), nullptr);
    ASSERT_TRUE(RedLockLatchesAfterwards());
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(14, 11)));
    EXPECT_TRUE(PaneShows(0, PatternWindow::ColorAt(14, 11)));
    ASSERT_TRUE(PressKeyFor('P', "the picker waiting", [&] { return tintra.HoldsMouse(); }));
    ASSERT_TRUE(RestPointerAt(pattern.ScreenPointOf(20, 20)));
    PressChord({VK_SHIFT}, VK_RIGHT);
    ASSERT_TRUE(PointerRestsAt(pattern.ScreenPointOf(30, 20)));
    ASSERT_TRUE(PressKeyFor(VK_SPACE, "the picker ended", [&] { return !tintra.HoldsMouse(); }));
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(30, 20)));
    EXPECT_TRUE(PressKeyFor(VK_RIGHT, "the next pane active",
                            [&] { return ScreenPixel(display, 91, 40) == kActivePaneFrame; }));
}

// With four panes, Shift+click and Shift+Space fill them in turn while the picker keeps waiting,
// a held Shift+Space one pane only; the sliders and rows show the pane made active, still black.
// The plain click takes the last one and ends it.
TEST_F(Picking, ShiftTakesAColourIntoEachPaneInTurnUntilAPlainClick) {
    const POINT at[] = {{5, 5}, {20, 9}, {35, 30}, {50, 40}};
    const auto color = [&](int i) { return PatternWindow::ColorAt(at[i].x, at[i].y); };
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    ShiftClickAt(pattern.ScreenPointOf(5, 5));
    EXPECT_TRUE(PaneShows(0, color(0)));
    EXPECT_TRUE(RowsShow(ColorRef{}));
    ShiftClickAt(pattern.ScreenPointOf(20, 9));
    EXPECT_TRUE(PaneShows(1, color(1)));
    ASSERT_TRUE(RestPointerAt(pattern.ScreenPointOf(35, 30)));
    PressChord({VK_SHIFT}, VK_SPACE, 6); // held
    EXPECT_TRUE(PaneShows(2, color(2)));
    EXPECT_TRUE(RowsShow(ColorRef{}));
    EXPECT_TRUE(tintra.HoldsMouse());
    ASSERT_TRUE(
        ClickAtFor(pattern.ScreenPointOf(50, 40), "the picker ended", [&] { return !tintra.HoldsMouse(); }));
    for (int pane = 0; pane < 4; ++pane)
        EXPECT_TRUE(PaneShows(pane, color(pane))) << pane;
    EXPECT_TRUE(RowsShow(color(3)));
}

// The wheel steps the factor from the same copy, a step for each whole notch however the turn is
// reported; a block picks exactly its source pixel, Shift keeps the view, the arrows move by one
// block, and the next run starts at the factor left.
TEST_F(Picking, TheWheelMagnifiesFurtherAndTheNextRunKeepsTheFactor) {
    ShowZoomedPattern();
    ASSERT_TRUE(RestPointerAt(OnScreen(display, 90, 65)));
    TurnWheel(2 * WHEEL_DELTA); // a fast turn of two notches in one report
    ASSERT_TRUE(ShowsView(8));
    TurnWheel(-WHEEL_DELTA / 3, 3); // a touchpad's parts of one notch
    ASSERT_TRUE(ShowsView(6));
    TurnWheel(WHEEL_DELTA);
    ASSERT_TRUE(ShowsView(8));
    // At x8 the view starts 11 pixels left of and 8 above the clicked one: block (3, 2) is there.
    const ColorRef block32 = PatternWindow::ColorAt(kZoomClick.x - 8, kZoomClick.y - 6);
    ShiftClickAt(OnScreen(display, 30, 21));
    EXPECT_TRUE(RowsShow(ColorRef{})); // the next pane's, active now
    EXPECT_TRUE(ShowsView(8));
    const ColorRef block42 = PatternWindow::ColorAt(kZoomClick.x - 7, kZoomClick.y - 6);
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PointerRestsAt(OnScreen(display, 38, 21)));
    ASSERT_TRUE(PressKeyFor(VK_RETURN, "the view left", [&] { return !IsDown(IDC_BUTTON_ZOOM); }));
    EXPECT_TRUE(PaneShows(0, block32));
    EXPECT_TRUE(PaneShows(1, block42));
    EXPECT_TRUE(RowsShow(block42));
    ASSERT_EQ(tintra.CloseAndWait(), 0);
    EXPECT_EQ(ReadSetting(L"zoom_factor"), 8);
    ASSERT_TRUE(tintra.Start());
    display = tintra.Control(IDC_COLOR_DISPLAY);
    ShowZoomedPattern(8);
}

// The loupe follows the mouse at the factor the wheel and + and - set while the picker waits, keeps
// clear of the zoomed picker's snapshot too, and goes with the mode; the next run keeps the factor.
// Turned off in the options, it never shows.
TEST_F(Picking, TheLoupeFollowsThePointerAtTheFactorSetWhilePickingAndGoesWithTheMode) {
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    ASSERT_TRUE(RestPointerAt(pattern.ScreenPointOf(32, 24)));
    EXPECT_TRUE(LoupeShows({32, 24}));
    TurnWheel(2 * WHEEL_DELTA);
    EXPECT_TRUE(LoupeShows({32, 24}, 8));
    PressKey(VK_SUBTRACT);
    EXPECT_TRUE(LoupeShows({32, 24}, 6));
    ASSERT_TRUE(RestPointerAt(pattern.ScreenPointOf(40, 30)));
    EXPECT_TRUE(LoupeShows({40, 30}, 6));
    ASSERT_TRUE(PressKeyFor('Z', "the zoomed picker waiting", [&] { return IsDown(IDC_BUTTON_ZOOM); }));
    const POINT at = pattern.ScreenPointOf(40, 30);
    EXPECT_TRUE(LoupeShows({40, 30}, 6, ZoomCaptureArea({at.x, at.y})));
    ASSERT_TRUE(PressKeyFor(VK_ESCAPE, "the loupe gone", [&] { return !Loupe(); }));
    ASSERT_EQ(tintra.CloseAndWait(), 0);
    EXPECT_EQ(ReadSetting(L"zoom_factor"), 6);
    StoreSetting(L"loupe", 0);
    ASSERT_TRUE(tintra.Start());
    ASSERT_TRUE(PressKeyFor('P', "the picker waiting", [&] { return tintra.HoldsMouse(); }));
    EXPECT_EQ(Loupe(), nullptr);
}

// A pick takes the rounded mean of the sample square, of its pixels on the screen only at the
// screen's corner, and with copy on pick every colour taken goes on the clipboard: a pick, a
// collect and a click in the magnified view.
TEST_F(Picking, APickTakesTheMeanOfTheSampleOnTheScreenAndCopyOnPickCopiesEveryColourTaken) {
    ASSERT_EQ(tintra.CloseAndWait(), 0);
    StoreSetting(L"sample", 5);
    StoreSetting(L"copy_on_pick", 1);
    ASSERT_TRUE(tintra.Start());
    display = tintra.Control(IDC_COLOR_DISPLAY);
    const PixelRect screen = VirtualScreen();
    PatternWindow corner;
    ASSERT_TRUE(
        corner.Show(POINT{screen.right - PatternWindow::kWidth, screen.bottom - PatternWindow::kHeight}));
    // The pattern's channels change evenly there, so a square's mean is its middle pixel's colour:
    // at the corner, of the 3 x 3 pixels on the screen.
    const struct {
        const PatternWindow* window;
        POINT at, middle;
    } picks[] = {{&pattern, {20, 20}, {20, 20}}, {&corner, {63, 47}, {62, 46}}};
    for (const auto& pick : picks) {
        const ColorRef color = PatternWindow::ColorAt(pick.middle.x, pick.middle.y);
        ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
        EXPECT_TRUE(ClickAtFor(pick.window->ScreenPointOf(pick.at.x, pick.at.y), "the mean copied", [&] {
            return ClipboardText() == ClipboardText(ColorNotation::Colref, color);
        }));
        EXPECT_TRUE(RowsShow(color));
    }
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    ShiftClickAt(pattern.ScreenPointOf(33, 30));
    EXPECT_TRUE(WaitFor([&] {
        return ClipboardText() == ClipboardText(ColorNotation::Colref, PatternWindow::ColorAt(33, 30));
    }));
    ASSERT_TRUE(PressKeyFor(VK_ESCAPE, "the picker ended", [&] { return !tintra.HoldsMouse(); }));
    ShowZoomedPattern();
    EXPECT_TRUE(ClickFor(display, 90, 65, "the block copied", [&] {
        return ClipboardText() ==
               ClipboardText(ColorNotation::Colref, PatternWindow::ColorAt(kZoomClick.x, kZoomClick.y));
    }));
}

// From any program: the hotkey brings Tintra back from the taskbar and starts the picker, a second
// press ends it, and while a dialog of Tintra's is open it does nothing.
TEST_F(Picking, TheHotkeyRestoresTintraAndStartsAndEndsThePickerButNotOverADialog) {
    ShowWindow(tintra.MainWindow(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(tintra.MainWindow()) != 0; }));
    PressChord({VK_CONTROL, VK_MENU}, 'P');
    EXPECT_TRUE(WaitFor([&] {
        return !IsIconic(tintra.MainWindow()) && tintra.HoldsMouse() && IsDown(IDC_BUTTON_PICKER) &&
               GetForegroundWindow() == tintra.MainWindow();
    }));
    PressChord({VK_CONTROL, VK_MENU}, 'P');
    EXPECT_TRUE(WaitFor([&] { return !tintra.HoldsMouse() && !IsDown(IDC_BUTTON_PICKER); }));
    ASSERT_TRUE(PressKeyFor('A', "the about box open", [&] { return OwnedWindow(tintra.MainWindow()) != nullptr; }));
    PressChord({VK_CONTROL, VK_MENU}, 'P');
    ASSERT_TRUE(
        PressKeyFor(VK_ESCAPE, "the about box closed", [&] { return !OwnedWindow(tintra.MainWindow()); }));
    EXPECT_TRUE(RedLockLatchesAfterwards());
    EXPECT_FALSE(tintra.HoldsMouse());
    EXPECT_FALSE(IsDown(IDC_BUTTON_PICKER));
}

TEST_F(Picking, AClickOnTheMarginAroundTheViewGivesBlack) {
    LatchRedLock();
    ShowZoomedPattern();
    ASSERT_TRUE(
        ClickFor(display, 179, 65, "the zoom button up again", [&] { return !IsDown(IDC_BUTTON_ZOOM); }));
    EXPECT_TRUE(RowsShow(ColorRef{}));
    EXPECT_TRUE(ScreenShows(tintra.Control(IDC_LOCK_RED), 2, 7, kReleasedLockFace));
}

// Escape, a second click on the waiting mode's button, and a switch to another program (what the
// system sends on Alt+Tab, whose default handling lets go of the mouse) each end either mode
// without a colour or a view.
TEST_F(Picking, EscapeASecondClickOnItsButtonOrASwitchToAnotherProgramEndsEitherMode) {
    const std::pair<const char*, std::function<void(int)>> ends[] = {
        {"Escape", [](int) { PressKey(VK_ESCAPE); }},
        {"a second click", [&](int button) { ClickAt(MiddleOf(Button(button))); }},
        {"a switch", [&](int) { SendMessageW(tintra.MainWindow(), WM_CANCELMODE, 0, 0); }}};
    for (const auto& [end, give] : ends)
        for (int button : {IDC_BUTTON_PICKER, IDC_BUTTON_ZOOM}) {
            SCOPED_TRACE(std::string(end) + " " + std::to_string(button));
            ASSERT_TRUE(StartMode(button));
            give(button);
            EXPECT_TRUE(WaitFor([&] { return !tintra.HoldsMouse() && !IsDown(button); }));
            EXPECT_EQ(ReadSetting(kCursorMarker), -1);
            EXPECT_TRUE(ScreenShows(display, 3, 40, kActivePaneFrame)); // no view
        }
    EXPECT_TRUE(RowsShow(ColorRef{})); // not the colour of the button's picture
}

TEST_F(Picking, EachModesKeyStartsAndEndsItAndEscapeLeavesTheView) {
    // Each mode's key starts it as its button does, shown down, and a second press ends it.
    for (auto [button, key] :
         {std::pair{IDC_BUTTON_PICKER, WORD{'P'}}, std::pair{IDC_BUTTON_ZOOM, WORD{'Z'}}}) {
        SCOPED_TRACE(button);
        PressKey(key);
        EXPECT_TRUE(WaitFor([&] { return tintra.HoldsMouse() && IsDown(button); }));
        EXPECT_TRUE(WaitFor([&] { return ReadSetting(kCursorMarker) == GetProcessId(tintra.Handle()); }));
        PressKey(key);
        EXPECT_TRUE(WaitFor([&] { return !tintra.HoldsMouse() && !IsDown(button); }));
        EXPECT_TRUE(WaitFor([&] { return ReadSetting(kCursorMarker) == -1; }));
    }
    ShowZoomedPattern();
    EXPECT_TRUE(PressKeyFor(VK_ESCAPE, "the panes shown again and the zoom button up", [&] {
        return !IsDown(IDC_BUTTON_ZOOM) && ScreenPixel(display, 3, 40) == kActivePaneFrame;
    }));
    EXPECT_TRUE(RowsShow(ColorRef{}));
}

// A collect leaves the next pane active, and the sliders then go on with its colour: a press on
// a thumb that moves nothing writes nothing over it.
TEST_F(Picking, TheSlidersGoOnWithThePaneACollectMadeActive) {
    const ColorRef picked = PatternWindow::ColorAt(8, 8);
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    ASSERT_TRUE(RestPointerAt(pattern.ScreenPointOf(8, 8)));
    PressChord({VK_SHIFT}, VK_RETURN);
    EXPECT_TRUE(PaneShows(0, picked));
    ASSERT_TRUE(PressKeyFor(VK_ESCAPE, "the picker ended", [&] { return !tintra.HoldsMouse(); }));
    ClickAt(ThumbMiddle(tintra.Control(IDC_SLIDER_RED)));
    ASSERT_TRUE(RedLockLatchesAfterwards());
    EXPECT_TRUE(PaneShows(1, ColorRef{}));
    EXPECT_TRUE(PaneShows(0, picked));
    EXPECT_TRUE(RowsShow(ColorRef{}));
}

// Starting one picker ends the other, so a click on the zoom button takes that mode back and
// picks nothing.
TEST_F(Picking, StartingOnePickerEndsTheOther) {
    ASSERT_TRUE(PressKeyFor('P', "the picker waiting", [&] { return tintra.HoldsMouse(); }));
    ASSERT_TRUE(PressKeyFor('Z', "the zoomed picker waiting in its place",
                            [&] { return IsDown(IDC_BUTTON_ZOOM) && !IsDown(IDC_BUTTON_PICKER); }));
    EXPECT_TRUE(ClickAtFor(MiddleOf(Button(IDC_BUTTON_ZOOM)), "both modes ended", [&] {
        return !tintra.HoldsMouse() && !IsDown(IDC_BUTTON_ZOOM) && !IsDown(IDC_BUTTON_PICKER);
    }));
    EXPECT_TRUE(RowsShow(ColorRef{}));
}

// Started with its key, the picker takes a pixel as when started with its button.
TEST_F(Picking, ColourPickerStartedWhileTheViewIsShownLeavesIt) {
    ShowZoomedPattern();
    PressKey('P');
    EXPECT_TRUE(WaitFor([&] { return tintra.HoldsMouse() && IsDown(IDC_BUTTON_PICKER); }));
    EXPECT_TRUE(WaitFor([&] { return !IsDown(IDC_BUTTON_ZOOM); }));
    EXPECT_TRUE(ScreenShows(display, 3, 40, kActivePaneFrame));
    ClickAt(pattern.ScreenPointOf(5, 6));
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(5, 6)));
}

TEST_F(Picking, ADoubleClickOnTheWaitingPickersButtonLeavesNothingWaiting) {
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    const POINT at = MiddleOf(Button(IDC_BUTTON_PICKER));
    TapAt(at);
    ASSERT_TRUE(WaitFor([&] { return !tintra.HoldsMouse(); }));
    TapAt(at); // the second click of the double click
    ASSERT_TRUE(RedLockLatchesAfterwards());
    EXPECT_FALSE(tintra.HoldsMouse());
    EXPECT_FALSE(IsDown(IDC_BUTTON_PICKER));
    EXPECT_EQ(ReadSetting(kCursorMarker), -1);
    EXPECT_TRUE(RowsShow(ColorRef{}));
}

TEST_F(Picking, ASecondCopyStartedWhileAModeWaitsLeavesTheFirstOnesCursorsReplaced) {
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    const long long first = GetProcessId(tintra.Handle());
    ASSERT_TRUE(MarkerWritten());
    TintraProcess second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(ReadSetting(kCursorMarker), first);
    EXPECT_EQ(second.CloseAndWait(), 0);
    EXPECT_EQ(ReadSetting(kCursorMarker), first); // the second never replaced them
}

TEST_F(Picking, AClickWhereNoPixelCanBeReadKeepsTheColour) {
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    // Far off every screen: the pixel there cannot be read.
    PostMessageW(tintra.MainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-30000, -30000));
    EXPECT_TRUE(WaitFor([&] { return !tintra.HoldsMouse() && !IsDown(IDC_BUTTON_PICKER); }));
    EXPECT_TRUE(RowsShow(ColorRef{}));
    EXPECT_EQ(ReadSetting(kCursorMarker), -1);
}

TEST_F(Picking, ClosingWhileAModeWaitsRestoresTheCursorsAndEnds) {
    ASSERT_TRUE(StartMode(IDC_BUTTON_ZOOM));
    EXPECT_TRUE(MarkerWritten());
    EXPECT_EQ(tintra.CloseAndWait(), 0);
    EXPECT_EQ(ReadSetting(kCursorMarker), -1);
}

TEST_F(Picking, ARunKilledWhileAModeWaitsIsCleanedUpAtTheNextStart) {
    ASSERT_TRUE(StartMode(IDC_BUTTON_PICKER));
    const long long killed = GetProcessId(tintra.Handle());
    ASSERT_TRUE(MarkerWritten());
    tintra.Kill();
    EXPECT_EQ(ReadSetting(kCursorMarker), killed);
    TintraProcess next;
    ASSERT_TRUE(next.Start());
    EXPECT_EQ(ReadSetting(kCursorMarker), -1);
    EXPECT_EQ(next.CloseAndWait(), 0);
}

} // namespace
