#include "Driver.h"
#include "PatternWindow.h"
#include "logic/ClipboardText.h"
#include "logic/ColorNotation.h"
#include "logic/ZoomGeometry.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace e2e;

constexpr int kDisplay = 1000;
constexpr int kPickerButton = 5001, kZoomButton = 5002;
constexpr int kRedLock = 1002;
constexpr COLORREF kLatchedRedLock = RGB(255, 121, 121), kGreyLock = RGB(213, 213, 213);
constexpr COLORREF kActiveFrame = RGB(0xDE, 0, 0);
constexpr wchar_t kCursorMarker[] = L"cursors_replaced";
// A point of the pattern with all 44 x 32 pixels around it inside the pattern.
constexpr POINT kZoomClick{30, 20};

struct NotationRow {
    int id;
    ColorNotation notation;
};
constexpr NotationRow kRows[] = {{1002, ColorNotation::Colref},
                                 {1003, ColorNotation::Rgb},
                                 {1004, ColorNotation::Hex},
                                 {1009, ColorNotation::Hsb},
                                 {1011, ColorNotation::Cmyk}};

class Picking : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearSettings();
        StartTintra();
    }
    void TearDown() override {
        if (tintra.IsRunning()) {
            EXPECT_EQ(tintra.CloseAndWait(), 0);
        }
        ClearSettings();
    }
    void StartTintra() {
        ASSERT_TRUE(tintra.Start());
        display = tintra.Control(kDisplay);
        RECT main;
        GetWindowRect(tintra.MainWindow(), &main);
        ASSERT_TRUE(pattern.Show(POINT{main.right + 40, main.top + 40}));
    }

    HWND Button(int id) const { return tintra.PanelButton(id); }
    POINT ButtonMiddle() const {
        RECT client;
        GetClientRect(Button(kPickerButton), &client);
        return POINT{client.right / 2, client.bottom / 2};
    }
    POINT ScreenPointIn(HWND window, int x, int y) const {
        POINT point{x, y};
        ClientToScreen(window, &point);
        return point;
    }
    // A key given after some clicks: once its effect shows, the clicks before it have been
    // handled as well, since the program takes its input in the order it was given.
    bool RedLockLatchesAfterwards() {
        PressKey('1');
        return WaitFor([&] { return ScreenPixel(tintra.Control(kRedLock), 2, 7) == kLatchedRedLock; });
    }
    bool Waiting() const { return CaptureOf(tintra.MainWindow()) == tintra.MainWindow(); }
    bool IsDown(int id) const { return ScreenPixel(Button(id), 1, 1) == RGB(0x9A, 0x9A, 0x9A); }
    // Latches a picking button; true once the main window holds the mouse for the mode.
    // Each time a few pixels away from the last, so that no click is taken for a double-click.
    ::testing::AssertionResult StartMode(int id) {
        const int x = 8 + (modeStarts++ % 3) * 6;
        return ClickFor(Button(id), x, 10, "the main window holding the mouse for the picking mode",
                        [&] { return Waiting(); });
    }
    // The mode takes the mouse before it replaces the cursors and writes the marker.
    bool MarkerWritten() const {
        const long long process = GetProcessId(tintra.Handle());
        return WaitFor([&] { return ReadSetting(kCursorMarker) == process; });
    }
    ::testing::AssertionResult RowsShow(COLORREF color) {
        for (const NotationRow& row : kRows) {
            const std::wstring expected = NotationText(row.notation, color);
            if (!WaitFor([&] { return tintra.InfoText(row.id) == expected; })) {
                const std::wstring shown = tintra.InfoText(row.id);
                return ::testing::AssertionFailure()
                       << "row " << row.id << " reads " << std::string(shown.begin(), shown.end());
            }
        }
        return ::testing::AssertionSuccess();
    }
    void LatchRedLock() {
        const HWND lock = tintra.Control(kRedLock);
        ASSERT_TRUE(ClickFor(lock, 4, 5, "the red padlock latched",
                             [&] { return ScreenPixel(lock, 2, 7) == kLatchedRedLock; }));
    }
    // The magnified view of the pattern around kZoomClick, as the display shows it: the rows
    // under the display's frame left out.
    std::vector<Argb> ExpectedView(bool grid, int factor = kZoomFactor) const {
        ScreenArea capture{ZoomCaptureArea({kZoomClick.x, kZoomClick.y}), {}};
        for (int y = capture.area.top; y < capture.area.bottom; ++y)
            for (int x = capture.area.left; x < capture.area.right; ++x)
                capture.pixels.push_back(ToArgb(PatternWindow::ColorAt(x, y)));
        const std::vector<Argb> plain = Magnify(capture, ZoomViewAround({kZoomClick.x, kZoomClick.y}, 96, factor));
        const std::vector<Argb> image = grid ? WithGrid(plain, kZoomWidth, kZoomHeight, factor) : plain;
        return std::vector<Argb>(image.begin() + kZoomWidth, image.end() - kZoomWidth);
    }
    std::vector<Argb> ShownView() const {
        RECT client;
        GetClientRect(display, &client);
        const PixelPoint offset = ZoomImageOffset(client.right, client.bottom);
        return ScreenPixels(display,
                            RECT{offset.x, offset.y + 1, offset.x + kZoomWidth, offset.y + kZoomHeight - 1});
    }
    bool ShowsView(int factor = kZoomFactor) const {
        return WaitFor([&] { return ShownView() == ExpectedView(true, factor); });
    }
    void ShowZoomedPattern(int factor = kZoomFactor) {
        ASSERT_TRUE(StartMode(kZoomButton));
        ClickAt(pattern.ScreenPointOf(kZoomClick.x, kZoomClick.y));
        ASSERT_TRUE(ShowsView(factor));
    }
    bool PaneShows(int pane, COLORREF color) const {
        constexpr POINT kPaneMiddles[] = {{46, 33}, {133, 33}, {46, 96}, {133, 96}};
        const POINT at = kPaneMiddles[pane];
        return WaitFor([&] { return ScreenPixel(display, at.x, at.y) == color; });
    }

    TintraProcess tintra;
    PatternWindow pattern;
    HWND display = nullptr;
    int modeStarts = 0;
};

TEST_F(Picking, ColourPickerTakesExactPixelsOfAnotherWindowEverywhere) {
    LatchRedLock();
    for (POINT at : {POINT{0, 0}, POINT{17, 9}, POINT{63, 47}}) {
        SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
        const COLORREF color = PatternWindow::ColorAt(at.x, at.y);
        ASSERT_TRUE(StartMode(kPickerButton));
        ClickAt(pattern.ScreenPointOf(at.x, at.y));
        EXPECT_TRUE(RowsShow(color));
        EXPECT_TRUE(WaitFor([&] { return !Waiting() && !IsDown(kPickerButton); }));
        EXPECT_TRUE(WaitFor([&] { return ScreenPixel(display, 40, 30) == color; })); // the active pane
        EXPECT_EQ(SendMessageW(tintra.Control(1018), TBM_GETPOS, 0, 0), GetRValue(color));
        EXPECT_EQ(SendMessageW(tintra.Control(1020), TBM_GETPOS, 0, 0), GetBValue(color));
    }
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(tintra.Control(kRedLock), 2, 7) == kGreyLock; }));
    EmptyTheClipboard();
    EXPECT_TRUE(PressKeyFor(VK_RETURN, "the picked colour on the clipboard", [&] {
        return ClipboardText() == ClipboardText(ColorNotation::Colref, PatternWindow::ColorAt(63, 47));
    })) << ClipboardText();
}

TEST_F(Picking, ZoomedPickerShowsExactBlocksWithTheGridAndPicksTheClickedPixel) {
    ShowZoomedPattern();
    EXPECT_FALSE(Waiting());
    EXPECT_TRUE(IsDown(kZoomButton));
    EXPECT_TRUE(RowsShow(0)); // the first click chooses the area, not a colour
    // Display point (90, 65) is zoom pixel (88, 64): the clicked screen pixel.
    ASSERT_TRUE(ClickFor(display, 90, 65, "the zoom button up again", [&] { return !IsDown(kZoomButton); }));
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(kZoomClick.x, kZoomClick.y)));
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(display, 3, 40) == kActiveFrame; })); // panes again
}

// Arrows move the pointer by one screen pixel (with Shift ten) and Enter takes the pixel under
// it; while the picker waits the arrows leave the active pane, afterwards they move it again.
TEST_F(Picking, KeysMoveThePointerByExactPixelsAndEnterTakesThePixelUnderIt) {
    ASSERT_TRUE(StartMode(kPickerButton));
    MoveMouseTo(pattern.ScreenPointOf(10, 10));
    ASSERT_TRUE(PressKeysFor({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}, "the picker ended",
                             [&] { return !Waiting(); }));
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(13, 11)));
    EXPECT_TRUE(PaneShows(0, PatternWindow::ColorAt(13, 11)));
    ASSERT_TRUE(PressKeyFor('P', "the picker waiting", [&] { return Waiting(); }));
    WithShift([] { PressKey(VK_RIGHT); });
    ASSERT_TRUE(PressKeyFor(VK_SPACE, "the picker ended", [&] { return !Waiting(); }));
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(23, 11)));
    EXPECT_TRUE(PressKeyFor(VK_RIGHT, "the next pane active", [&] { return ScreenPixel(display, 91, 40) == kActiveFrame; }));
}

// With four panes, Shift+click and Shift+Space fill them in turn while the picker keeps waiting;
// the plain click takes the last one and ends it.
TEST_F(Picking, ShiftTakesAColourIntoEachPaneInTurnUntilAPlainClick) {
    const POINT at[] = {{5, 5}, {20, 9}, {35, 30}, {50, 40}};
    const auto color = [&](int i) { return PatternWindow::ColorAt(at[i].x, at[i].y); };
    ASSERT_TRUE(StartMode(kPickerButton));
    WithShift([&] {
        EXPECT_TRUE(ClickAtFor(pattern.ScreenPointOf(5, 5), "pane 1 filled", [&] { return PaneShows(0, color(0)); }));
        EXPECT_TRUE(ClickAtFor(pattern.ScreenPointOf(20, 9), "pane 2 filled", [&] { return PaneShows(1, color(1)); }));
        MoveMouseTo(pattern.ScreenPointOf(35, 30));
        EXPECT_TRUE(PressKeyFor(VK_SPACE, "pane 3 filled", [&] { return PaneShows(2, color(2)); }));
    });
    EXPECT_TRUE(RowsShow(color(2)));
    EXPECT_TRUE(Waiting());
    ASSERT_TRUE(ClickAtFor(pattern.ScreenPointOf(50, 40), "the picker ended", [&] { return !Waiting(); }));
    for (int pane = 0; pane < 4; ++pane)
        EXPECT_TRUE(PaneShows(pane, color(pane))) << pane;
    EXPECT_TRUE(RowsShow(color(3)));
}

// The wheel steps the factor from the same copy; a block picks exactly its source pixel, Shift
// keeps the view, the arrows move by one block, and the next run starts at the factor left.
TEST_F(Picking, TheWheelMagnifiesFurtherAndTheNextRunKeepsTheFactor) {
    ShowZoomedPattern();
    MoveMouseTo(ScreenPointIn(display, 90, 65));
    TurnWheel(2);
    ASSERT_TRUE(ShowsView(8));
    // At x8 the view starts 11 pixels left of and 8 above the clicked one: block (3, 2) is there.
    const COLORREF block32 = PatternWindow::ColorAt(kZoomClick.x - 8, kZoomClick.y - 6);
    WithShift([&] { EXPECT_TRUE(ClickFor(display, 30, 21, "pane 1 filled", [&] { return PaneShows(0, block32); })); });
    EXPECT_TRUE(ShowsView(8));
    const COLORREF block42 = PatternWindow::ColorAt(kZoomClick.x - 7, kZoomClick.y - 6);
    ASSERT_TRUE(PressKeysFor({VK_RIGHT, VK_RETURN}, "the view left", [&] { return !IsDown(kZoomButton); }));
    EXPECT_TRUE(PaneShows(1, block42));
    EXPECT_TRUE(RowsShow(block42));
    ASSERT_EQ(tintra.CloseAndWait(), 0);
    EXPECT_EQ(ReadSetting(L"zoom_factor"), 8);
    ASSERT_TRUE(tintra.Start());
    display = tintra.Control(kDisplay);
    ShowZoomedPattern(8);
}

TEST_F(Picking, AClickOnTheMarginAroundTheViewGivesBlack) {
    LatchRedLock();
    ShowZoomedPattern();
    ASSERT_TRUE(ClickFor(display, 179, 65, "the zoom button up again", [&] { return !IsDown(kZoomButton); }));
    EXPECT_TRUE(RowsShow(0));
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(tintra.Control(kRedLock), 2, 7) == kGreyLock; }));
}

TEST_F(Picking, EscapeEndsEitherModeWithoutAColour) {
    for (int button : {kPickerButton, kZoomButton}) {
        SCOPED_TRACE(button);
        ASSERT_TRUE(StartMode(button));
        EXPECT_TRUE(PressKeyFor(VK_ESCAPE, "the mode ended and its button up",
                                [&] { return !Waiting() && !IsDown(button); }));
    }
    // Each mode's key starts it as its button does, shown down, and a second press ends it.
    for (auto [button, key] : {std::pair{kPickerButton, WORD{'P'}}, std::pair{kZoomButton, WORD{'Z'}}}) {
        SCOPED_TRACE(button);
        PressKey(key);
        EXPECT_TRUE(WaitFor([&] { return Waiting() && IsDown(button); }));
        EXPECT_TRUE(WaitFor([&] { return ReadSetting(kCursorMarker) == GetProcessId(tintra.Handle()); }));
        PressKey(key);
        EXPECT_TRUE(WaitFor([&] { return !Waiting() && !IsDown(button); }));
        EXPECT_TRUE(WaitFor([&] { return ReadSetting(kCursorMarker) == -1; }));
    }
    ShowZoomedPattern();
    EXPECT_TRUE(PressKeyFor(VK_ESCAPE, "the panes shown again and the zoom button up", [&] {
        return !IsDown(kZoomButton) && ScreenPixel(display, 3, 40) == kActiveFrame;
    }));
    EXPECT_TRUE(RowsShow(0));
}

// Started with its key, the picker takes a pixel as when started with its button.
TEST_F(Picking, ColourPickerStartedWhileTheViewIsShownLeavesIt) {
    ShowZoomedPattern();
    PressKey('P');
    EXPECT_TRUE(WaitFor([&] { return Waiting() && IsDown(kPickerButton); }));
    EXPECT_TRUE(WaitFor([&] { return !IsDown(kZoomButton); }));
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(display, 3, 40) == kActiveFrame; }));
    ClickAt(pattern.ScreenPointOf(5, 6));
    EXPECT_TRUE(RowsShow(PatternWindow::ColorAt(5, 6)));
}

TEST_F(Picking, ASecondClickOnTheWaitingModesButtonEndsItAsEscapeDoes) {
    for (int button : {kPickerButton, kZoomButton}) {
        SCOPED_TRACE(button);
        ASSERT_TRUE(StartMode(button));
        ClickControl(Button(button), ButtonMiddle().x, ButtonMiddle().y);
        EXPECT_TRUE(WaitFor([&] { return !Waiting() && !IsDown(button); }));
        EXPECT_EQ(ReadSetting(kCursorMarker), -1);
        EXPECT_TRUE(WaitFor([&] { return ScreenPixel(display, 3, 40) == kActiveFrame; })); // no view
    }
    EXPECT_TRUE(RowsShow(0)); // not the colour of the button's picture
}

TEST_F(Picking, ADoubleClickOnTheWaitingPickersButtonLeavesNothingWaiting) {
    ASSERT_TRUE(StartMode(kPickerButton));
    const POINT at = ScreenPointIn(Button(kPickerButton), ButtonMiddle().x, ButtonMiddle().y);
    TapAt(at);
    ASSERT_TRUE(WaitFor([&] { return !Waiting(); }));
    TapAt(at); // the second click of the double click
    ASSERT_TRUE(RedLockLatchesAfterwards());
    EXPECT_FALSE(Waiting());
    EXPECT_FALSE(IsDown(kPickerButton));
    EXPECT_EQ(ReadSetting(kCursorMarker), -1);
    EXPECT_TRUE(RowsShow(0));
}

TEST_F(Picking, ASecondCopyStartedWhileAModeWaitsLeavesTheFirstOnesCursorsReplaced) {
    ASSERT_TRUE(StartMode(kPickerButton));
    const long long first = GetProcessId(tintra.Handle());
    ASSERT_TRUE(MarkerWritten());
    TintraProcess second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(ReadSetting(kCursorMarker), first);
    EXPECT_EQ(second.CloseAndWait(), 0);
    EXPECT_EQ(ReadSetting(kCursorMarker), first); // the second never replaced them
}

TEST_F(Picking, AClickWhereNoPixelCanBeReadKeepsTheColour) {
    ASSERT_TRUE(StartMode(kPickerButton));
    // Far off every screen: the pixel there cannot be read.
    PostMessageW(tintra.MainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-30000, -30000));
    EXPECT_TRUE(WaitFor([&] { return !Waiting() && !IsDown(kPickerButton); }));
    EXPECT_TRUE(RowsShow(0));
    EXPECT_EQ(ReadSetting(kCursorMarker), -1);
}

TEST_F(Picking, ASwitchToAnotherProgramEndsEitherMode) {
    for (int button : {kPickerButton, kZoomButton}) {
        SCOPED_TRACE(button);
        ASSERT_TRUE(StartMode(button));
        // What the system sends on Alt+Tab; the default handling lets go of the mouse.
        SendMessageW(tintra.MainWindow(), WM_CANCELMODE, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return !Waiting() && !IsDown(button); }));
        EXPECT_EQ(ReadSetting(kCursorMarker), -1);
    }
    EXPECT_TRUE(RowsShow(0));
}

TEST_F(Picking, ClosingWhileAModeWaitsRestoresTheCursorsAndEnds) {
    ASSERT_TRUE(StartMode(kZoomButton));
    EXPECT_TRUE(MarkerWritten());
    EXPECT_EQ(tintra.CloseAndWait(), 0);
    EXPECT_EQ(ReadSetting(kCursorMarker), -1);
}

TEST_F(Picking, ARunKilledWhileAModeWaitsIsCleanedUpAtTheNextStart) {
    ASSERT_TRUE(StartMode(kPickerButton));
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
